#include "data/CopieJoueur.h"

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"

#include "CleBase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

using Action = ErreurBase::Action;

// With the key derived at build time first: the game's own files then open
// without deriving it from the password.
std::unique_ptr<MoteurBase> Ouvrir(const QString &fichier, bool lectureSeule) {
  return MoteurBase::OuvrirBase(fichier, false, lectureSeule,
                                QString::fromLatin1(CleBase::Connexion),
                                MoteurBase::Partage::Privee, CleBase::Derivee);
}

// The mark of the word list a dictionary was made from.
qlonglong Empreinte(MoteurBase &base) {
  return base.Lire(QStringLiteral("PRAGMA user_version")).lignes.value(0).value(0).toLongLong();
}

// A whole copy of the template, made aside and then put in place, so that
// an interrupted copy never leaves half a database behind.
void Copier(const QString &modele, const QString &copie) {
  if (!QDir().mkpath(QFileInfo(copie).absolutePath()))
    throw ErreurBase(Action::Ecrire, copie, QStringLiteral("le dossier ne peut pas être créé"));
  const QString provisoire = copie + QStringLiteral(".copie");
  QFile::remove(provisoire);
  if (!QFile::copy(modele, provisoire))
    throw ErreurBase(Action::Ecrire, copie,
                     QStringLiteral("la base de jeu installée ne peut pas y être copiée"));
  QFile fichier(provisoire);
  fichier.setPermissions(fichier.permissions() | QFileDevice::WriteOwner);
  if (!QFile::rename(provisoire, copie)) {
    QFile::remove(provisoire);
    throw ErreurBase(Action::Ecrire, copie, QStringLiteral("la copie ne peut pas être nommée"));
  }
}

// The template beside the copy, read-only as it is installed, with the
// derived key when it opens with it, else with the password.
void Attacher(MoteurBase &base, const QString &modele) {
  const QString attacher = QStringLiteral("ATTACH DATABASE ? AS modele KEY ?");
  const QString adresse =
      QUrl::fromLocalFile(modele).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro");
  if (CleBase::Derivee[0] != '\0') {
    try {
      base.Ecrire(attacher, {adresse, QString::fromLatin1(CleBase::Derivee)});
      return;
    } catch (const ErreurBase &) {
      // Made with another salt: the password opens it.
    }
  }
  base.Ecrire(attacher, {adresse, QString::fromLatin1(CleBase::Cle)});
}

// The template's dictionary in place of the copy's, in one transaction: the
// dictionary and what goes with its words replaced whole or not at all, and
// the scores never touched.
// The transaction takes the write lock by its first write, on the copy
// alone: BEGIN IMMEDIATE would ask one of the template too, which an
// installed game cannot write.
void Renouveler(MoteurBase &base, const QString &modele, qlonglong empreinte) {
  Attacher(base, modele);
  try {
    base.Ecrire(QStringLiteral("BEGIN"));
    base.Ecrire(QStringLiteral("DELETE FROM DICO"));
    base.Ecrire(QStringLiteral("INSERT INTO DICO SELECT NOM FROM modele.DICO"));
    // How common the words are, their spellings and their lemmas go with
    // them, when the template has them.
    const std::pair<const char *, const char *> tables[] = {
        {"COMMUNS", "INDICE INTEGER"}, {"GRAPHIES", "GRAPHIE TEXT"}, {"LEMMES", "LEMMES TEXT"}};
    for (const auto &[nom, colonne] : tables) {
      const QString table = QString::fromLatin1(nom);
      const bool presente = !base.Lire(QStringLiteral("SELECT 1 FROM modele.sqlite_master WHERE "
                                                      "type = 'table' AND name = ?"),
                                       {table})
                                 .lignes.isEmpty();
      base.Ecrire(QStringLiteral("CREATE TABLE IF NOT EXISTS main.%1 (NOM TEXT PRIMARY KEY, %2) "
                                 "WITHOUT ROWID")
                      .arg(table, QString::fromLatin1(colonne)));
      base.Ecrire(QStringLiteral("DELETE FROM main.%1").arg(table));
      if (presente)
        base.Ecrire(QStringLiteral("INSERT INTO main.%1 SELECT * FROM modele.%1").arg(table));
    }
    base.Ecrire(QStringLiteral("PRAGMA user_version = %1").arg(empreinte));
    base.Ecrire(QStringLiteral("COMMIT"));
  } catch (const ErreurBase &) {
    try {
      base.Ecrire(QStringLiteral("ROLLBACK"));
    } catch (const ErreurBase &) {
      // No transaction was open: the first failure is the one to report.
    }
    throw;
  }
}

} // namespace

bool CopieJoueur::Preparer(const QString &modele, const QString &copie) {
  if (!QFileInfo::exists(copie)) {
    Copier(modele, copie);
    return true;
  }
  const auto base = Ouvrir(copie, false);
  try {
    const qlonglong nouvelle = Empreinte(*Ouvrir(modele, true));
    if (Empreinte(*base) != nouvelle)
      Renouveler(*base, modele, nouvelle);
    return true;
  } catch (const ErreurBase &) {
    // The copy is whole and keeps its dictionary: the game plays on it, and
    // the next start tries again, its mark being still the old one.
    return false;
  }
}
