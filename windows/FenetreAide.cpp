#include "windows/FenetreAide.h"

#include "windows/BanqueImages.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

FenetreAide::FenetreAide(QWidget *parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FenetreAide"));
  setWindowTitle(QStringLiteral("Aide de Vocadix"));
  setWindowIcon(BanqueImages::IconeProgramme());
  m_lecteur = new QTextBrowser(this);
  m_lecteur->setObjectName(QStringLiteral("Lecteur"));
  m_lecteur->setOpenExternalLinks(true);
  auto *disposition = new QVBoxLayout(this);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->addWidget(m_lecteur);
  resize(720, 600);
}

void FenetreAide::Ouvrir(const QString &fichier) {
  const QFileInfo info(fichier);
  if (info.isFile() && info.isReadable()) {
    m_lecteur->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
  } else {
    m_lecteur->setHtml(
        QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier d'aide <b>%1</b> est introuvable "
                       "ou illisible.</p><p>Réinstallez Vocadix pour le retrouver : le jeu "
                       "installé le range avec ses données (share/vocadix), un exemplaire "
                       "portable à côté du programme.</p>")
            .arg(fichier.toHtmlEscaped()));
  }
  show();
  raise();
  activateWindow();
}

QString FenetreAide::Texte() const {
  return m_lecteur->toPlainText();
}
