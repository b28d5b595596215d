#include "platform/PlateformeQt.h"

#include "rules/Twips.h"

#include "Installation.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>
#include <cmath>

PlateformeQt::PlateformeQt(AfficheurAide afficherAide, std::unique_ptr<QLockFile> exemplaire)
    : m_son(DossiersModules()), m_verrou(std::move(exemplaire)),
      m_afficherAide(std::move(afficherAide)) {}

QStringList PlateformeQt::DossiersModules() {
  // Beside the program (the build folder, a portable copy), else where the
  // installed game's modules lie.
  const QString dossier = QFileInfo(Programme()).absolutePath();
  return {dossier, QDir::cleanPath(
                       QDir(dossier).filePath(QString::fromUtf8(Installation::ModulesRelatifs)))};
}

PlateformeQt::~PlateformeQt() = default;

void PlateformeQt::AfficherMessage(QWidget *parent, const QString &titre, const QString &texte,
                                   Icone icone) {
  QMessageBox boite(icone == Icone::Question ? QMessageBox::Question : QMessageBox::Critical, titre,
                    texte, QMessageBox::Ok, parent);
  boite.exec();
}

int PlateformeQt::ExecuterDialogue(QDialog &dialogue) {
  return dialogue.exec();
}

QString PlateformeQt::ChoisirFichierAEcrire(QWidget *parent, const QString &titre,
                                            const QString &propose, const QString &filtre) {
  QFileDialog dialogue(parent, titre, propose, filtre);
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without its extension gets the one offered.
  dialogue.setDefaultSuffix(QFileInfo(propose).suffix());
  return dialogue.exec() == QDialog::Accepted ? dialogue.selectedFiles().value(0) : QString();
}

void PlateformeQt::Ouvrir(QWidget *, const QString &document) {
  // An address goes to its own program, anything else is a file.
  const QUrl adresse(document);
  QDesktopServices::openUrl(adresse.scheme().size() > 1 ? adresse : QUrl::fromLocalFile(document));
}

void PlateformeQt::AfficherAide(QWidget *parent, const QString &fichier) {
  m_afficherAide(parent, fichier);
}

void PlateformeQt::JouerSon(const QByteArray &image) {
  m_son.Jouer(image);
}

int PlateformeQt::LargeurEcranTwips() const {
  const QScreen *ecran = QGuiApplication::primaryScreen();
  return ecran
             ? qRound(Twips::DepuisPixels(ecran->geometry().width(), ecran->logicalDotsPerInchX()))
             : 0;
}

std::unique_ptr<QLockFile> PlateformeQt::PrendreExemplaire() {
  // Copies installed in different folders may run side by side.
  const QByteArray dossier = QFileInfo(Programme()).absolutePath().toUtf8();
  const QString nom =
      QStringLiteral("vocadix-%1.verrou")
          .arg(QString::fromLatin1(
              QCryptographicHash::hash(dossier, QCryptographicHash::Sha1).toHex().left(16)));
  // The session's runtime folder is emptied at logout, so a lock left by a
  // killed copy does not outlive the session.
  QString dossierVerrou = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dossierVerrou.isEmpty())
    dossierVerrou = QDir::tempPath();
  auto verrou = std::make_unique<QLockFile>(QDir(dossierVerrou).filePath(nom));
  verrou->setStaleLockTime(0);
  verrou->tryLock(0);
  return verrou;
}

bool PlateformeQt::AutreExemplaire() {
  if (!m_verrou)
    m_verrou = PrendreExemplaire();
  return !m_verrou->isLocked();
}

QString PlateformeQt::FichierProgramme() const {
  return Programme();
}

QString PlateformeQt::DossierDonneesJoueur() const {
  return DonneesJoueur();
}

QString PlateformeQt::DossierReglagesJoueur() const {
  return ReglagesJoueur();
}

QString PlateformeQt::Programme() {
  // The kernel's link to the running executable, as the application object
  // reads it too.
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString PlateformeQt::DonneesJoueur() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/vocadix");
}

QString PlateformeQt::ReglagesJoueur() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/vocadix");
}

QDateTime PlateformeQt::Maintenant() const {
  return QDateTime::currentDateTime();
}

void PlateformeQt::ReamorcerAleatoire() {
  m_generateur.seed(quint64(std::chrono::system_clock::now().time_since_epoch().count()));
}

double PlateformeQt::Aleatoire() {
  // 53 random bits: uniform in [0, 1), never 1.
  return std::ldexp(double(m_generateur() >> 11), -53);
}
