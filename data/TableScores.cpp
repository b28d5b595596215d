#include "data/TableScores.h"

#include "data/VueDonnees.h"

namespace {

void Ecrire(VueDonnees &Data, const QString &nom, int score, const QDate &jour) {
  Data.DefinirChamp(QStringLiteral("NOM"), nom);
  Data.DefinirChamp(QStringLiteral("SCORE"), score);
  Data.DefinirChamp(QStringLiteral("DATE"), jour);
  Data.MettreAJour();
}

TableScores::Issue Ajouter(VueDonnees &Data, const QString &nom, int score, const QDate &jour) {
  Data.Ajouter();
  Ecrire(Data, nom, score, jour);
  Data.FermerBase();
  return TableScores::Issue::Ajoutee;
}

} // namespace

TableScores::Issue TableScores::Proposer(VueDonnees &Data, const QString &fichier,
                                         const QString &nom, int score, const QDate &jour) {
  Data.DefinirFichier(fichier);
  Data.DefinirSource(QStringLiteral("Select * from SCORES order by SCORE"));
  Data.Rafraichir();
  if (Data.FinFichier() && Data.DebutFichier())
    return Ajouter(Data, nom, score, jour);

  Data.DernierEnregistrement();
  const int nombre = Data.NombreEnregistrements();
  Data.PremierEnregistrement();
  // The rows come lowest first: the first is the one to beat.
  const Issue issue = Decider(nombre, Data.Champ(QStringLiteral("SCORE")).toInt(), score);
  switch (issue) {
  case Issue::Ajoutee:
    return Ajouter(Data, nom, score, jour);
  case Issue::Remplacee:
    Data.Modifier();
    Ecrire(Data, nom, score, jour);
    break;
  case Issue::Egale:
  case Issue::Inferieure:
  case Issue::Ignoree:
    break;
  }
  Data.FermerBase();
  return issue;
}
