#include "platform/ChargeurSon.h"

#include <QDir>
#include <QFileInfo>

ChargeurSon::ChargeurSon(QStringList dossiers) : m_dossiers(std::move(dossiers)) {}

ChargeurSon::~ChargeurSon() {
  if (m_chargement.valid())
    m_chargement.wait();
  // The player goes before its code; the module itself stays loaded to the
  // end, as Qt Multimedia's own threads may outlive the player by a little.
  m_sortie.reset();
}

void ChargeurSon::Precharger() {
  if (m_chargement.valid() || m_fait)
    return;
  for (const QString &dossier : std::as_const(m_dossiers)) {
    const QString chemin = QDir(dossier).filePath(QString::fromLatin1(NomModule));
    if (QFileInfo(chemin).isFile()) {
      m_module.setFileName(chemin);
      // Every symbol is bound there too, so that the first sound does no
      // such work.
      m_module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
      m_chargement = std::async(std::launch::async, [this] { return m_module.load(); });
      return;
    }
  }
}

SortieSon *ChargeurSon::Sortie() {
  if (!m_fait) {
    Precharger();
    m_fait = true;
    const QString module = QString::fromLatin1(NomModule);
    if (!m_chargement.valid())
      m_panne = QStringLiteral("le module de son %1 est introuvable").arg(module);
    else if (!m_chargement.get())
      m_panne = QStringLiteral("le module de son %1 n'a pas pu être chargé (%2)")
                    .arg(module, m_module.errorString());
    else if (const auto fabrique =
                 reinterpret_cast<FabriqueSortieSon>(m_module.resolve(NomFabriqueSortieSon)))
      m_sortie.reset(fabrique());
    else
      m_panne = QStringLiteral("le module de son %1 n'est pas celui du jeu").arg(module);
    if (!m_panne.isEmpty())
      qWarning("Vocadix : pas de son, %s", qPrintable(m_panne));
  }
  return m_sortie.get();
}

bool ChargeurSon::Jouer(const QByteArray &image) {
  SortieSon *sortie = Sortie();
  return sortie && sortie->Jouer(image);
}

void ChargeurSon::Arreter() {
  if (m_sortie)
    m_sortie->Arreter();
}
