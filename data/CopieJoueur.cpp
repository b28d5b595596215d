#include "data/CopieJoueur.h"

#include "data/ErreurBase.h"
#include "data/MoteurBase.h"

#include "CleBase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

using Action = ErreurBase::Action;

std::unique_ptr<MoteurBase> Ouvrir(const QString &fichier, bool lectureSeule) {
  return MoteurBase::OuvrirBase(fichier, false, lectureSeule,
                                QString::fromLatin1(CleBase::Connexion),
                                MoteurBase::Partage::Privee);
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

} // namespace

void CopieJoueur::Preparer(const QString &modele, const QString &copie) {
  if (!QFileInfo::exists(copie)) {
    Copier(modele, copie);
    return;
  }
  const qlonglong nouvelle = Empreinte(*Ouvrir(modele, true));
  const auto base = Ouvrir(copie, false);
  if (Empreinte(*base) == nouvelle)
    return;
  // One transaction: the dictionary is replaced whole or not at all, and the
  // scores are never touched.
  base->Ecrire(QStringLiteral("ATTACH DATABASE ? AS modele KEY ?"),
               {modele, QString::fromLatin1(CleBase::Cle)});
  try {
    base->Ecrire(QStringLiteral("BEGIN IMMEDIATE"));
    base->Ecrire(QStringLiteral("DELETE FROM DICO"));
    base->Ecrire(QStringLiteral("INSERT INTO DICO SELECT NOM FROM modele.DICO"));
    base->Ecrire(QStringLiteral("PRAGMA user_version = %1").arg(nouvelle));
    base->Ecrire(QStringLiteral("COMMIT"));
  } catch (const ErreurBase &) {
    try {
      base->Ecrire(QStringLiteral("ROLLBACK"));
    } catch (const ErreurBase &) {
      // No transaction was open: the first failure is the one to report.
    }
    throw;
  }
}
