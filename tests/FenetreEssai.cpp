#include "tests/FenetreEssai.h"

#include "tests/TirageEssai.h"
#include "windows/BarreCommandes.h"
#include "windows/Tuile.h"

#include <QAction>
#include <QFile>
#include <QTest>

FenetreEssai::FenetreEssai(const QStringList &mots, const QList<BaseEssai::Score> &scores)
    : base(mots, scores) {
  plateforme.fichierProgramme = base.Dossier() + QStringLiteral("/vocadix");
  QFile programme(plateforme.fichierProgramme);
  programme.open(QIODevice::WriteOnly);
  programme.setFileTime(QDateTime(QDate(2000, 4, 16), QTime(13, 46)),
                        QFileDevice::FileModificationTime);
  programme.close();
}

bool FenetreEssai::Charger() {
  depart = std::make_unique<Depart>(plateforme);
  depart->resize(1024, 740);
  return depart->Form_Load();
}

bool FenetreEssai::ChargerEtMontrer(int largeur) {
  if (!Charger())
    return false;
  depart->resize(largeur, 740);
  depart->show();
  return QTest::qWaitForWindowActive(depart.get());
}

void FenetreEssai::EcrireReglages(const QByteArray &octets) {
  QFile f(Dossier() + QStringLiteral("/Vocadix.ini"));
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(octets);
}

QByteArray FenetreEssai::Reglages() const {
  QFile f(Dossier() + QStringLiteral("/Vocadix.ini"));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

BarreCommandes &FenetreEssai::Barre() const {
  return *depart->findChild<BarreCommandes *>(QStringLiteral("BarreBoutons"));
}

void FenetreEssai::Clic(const QString &cle) {
  // A disabled button takes no click, as on screen.
  if (QAction *bouton = Barre().Bouton(cle))
    bouton->trigger();
}

bool FenetreEssai::Actif(const QString &cle) const {
  return Barre().Actif(cle);
}

QLabel *FenetreEssai::Etiquette(const QString &nom) const {
  QLabel *etiquette = depart->findChild<QLabel *>(nom);
  if (!etiquette)
    qFatal("contrôle introuvable : %s", qPrintable(nom));
  return etiquette;
}

Tuile *FenetreEssai::Lettre(int i) const {
  return depart->findChild<Tuile *>(QStringLiteral("Lettre%1").arg(i));
}

QString FenetreEssai::Lettres() const {
  QString lettres;
  for (int i = 0; i < 9; ++i)
    lettres += Lettre(i)->text();
  return lettres;
}

bool FenetreEssai::Marquee(int i) const {
  const bool fond = Lettre(i)->Fond() == QColor(255, 255, 255);
  const bool texte = Lettre(i)->Texte() == QColor(255, 0, 0);
  if (fond != texte)
    qFatal("tuile %d : couleurs incohérentes", i);
  return fond;
}

bool FenetreEssai::TableauVierge() const {
  for (int k = 0; k < 10; ++k)
    for (const char *colonne : {"RecapTirages", "RecapSolutions", "RecapPoints"})
      if (!Texte(QStringLiteral("%1%2").arg(QLatin1String(colonne)).arg(k)).isEmpty())
        return false;
  for (int i = 0; i < 9; ++i)
    if (!Lettre(i)->isHidden())
      return false;
  return Etiquette(QStringLiteral("Decompteur"))->isHidden();
}

void FenetreEssai::Tirer(const QString &lettres) {
  TirageEssai tirage;
  for (const QChar lettre : lettres) {
    const TirageEssai::Coup coup = tirage.Suivant(lettre);
    plateforme.aleatoires << coup.aleatoire;
    Clic(coup.consonne ? QStringLiteral("Consonnes") : QStringLiteral("Voyelles"));
  }
}

void FenetreEssai::JouerJusquALArret(const QString &lettres, int longueur) {
  Clic(QStringLiteral("NouveauJeu"));
  Tirer(lettres);
  depart->Lettre_DblClick(longueur - 1);
  Clic(QStringLiteral("Stop"));
}

void FenetreEssai::Tics(int nombre) {
  for (int i = 0; i < nombre; ++i)
    depart->ChronoPartie_Timer();
}
