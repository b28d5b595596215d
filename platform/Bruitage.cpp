#include "platform/Bruitage.h"

#include "platform/Plateforme.h"
#include "rules/Globales.h"

#include <QCoreApplication>
#include <QFile>

void Bruitage::Jouer(Son son) {
  if (G.OptionSon != QLatin1String("O"))
    return;
  QFile ressource(QStringLiteral(":/sons/%1.wav").arg(qint16(son)));
  ressource.open(QIODevice::ReadOnly);
  SonEnCours = ressource.readAll();
  m_plateforme.JouerSon(SonEnCours);
  if (!m_panneSignalee && m_signaler)
    if (const QString cause = m_plateforme.PanneSon(); !cause.isEmpty()) {
      m_panneSignalee = true;
      m_signaler(cause);
    }
  QCoreApplication::processEvents();
}
