#include "data/CorrecteurBase.h"

#include "data/ErreurBase.h"

std::optional<bool> CorrecteurBase::Figure(const QString &mot, QString &erreur) {
  try {
    DataDico.DefinirFichier(m_fichier);
    // The word is bound to the query, never pasted into it.
    DataDico.DefinirSource(QStringLiteral("Select * from DICO where NOM = ?"), {mot});
    DataDico.Rafraichir();
    const bool trouve = !(DataDico.FinFichier() && DataDico.DebutFichier());
    DataDico.FermerBase();
    return trouve;
  } catch (const ErreurBase &echec) {
    DataDico.FermerBase();
    erreur = echec.Texte();
    return std::nullopt;
  }
}
