#include "data/OuvertureBase.h"

#include "data/CopieJoueur.h"

#include "CleBase.h"
#include "Installation.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

OuvertureBase OuvertureBase::Lancer(const QString &programme, const QString &donneesJoueur,
                                    const QString &reglagesJoueur) {
  const QString dossier = QFileInfo(programme).absolutePath();
  const QString installe =
      QDir::cleanPath(QDir(dossier).filePath(QString::fromUtf8(Installation::DonneesRelatives)));
  // Qt takes the first thread that uses it for the program's main thread:
  // the caller, before the opening's thread makes its files' objects, so
  // that the application object made afterwards here is in the main thread.
  QThread::currentThread();
  OuvertureBase ouverture;
  ouverture.m_lieux = Emplacements::Choisir(
      dossier, QFileInfo::exists(dossier + QStringLiteral("/Vocadix.dat")),
      QFileInfo::exists(installe + QStringLiteral("/Vocadix.dat")) ? installe : QString(),
      donneesJoueur, reglagesJoueur);
  ouverture.m_base = std::async(std::launch::async, [lieux = ouverture.m_lieux] {
    const QString base = lieux.Donnees + QStringLiteral("Vocadix.dat");
    if (!lieux.Modele.isEmpty())
      CopieJoueur::Preparer(lieux.Modele, base);
    return MoteurBase::OuvrirBase(base, false, false, QString::fromLatin1(CleBase::Connexion),
                                  MoteurBase::Partage::Partagee, CleBase::Derivee);
  });
  return ouverture;
}
