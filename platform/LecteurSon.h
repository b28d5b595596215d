#pragma once

#include "platform/SortieSon.h"

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <memory>

class QAudioSink;

// The sound player over Qt Multimedia, built into the sound module: see
// ChargeurSon.
class LecteurSon : public QObject, public SortieSon {
  Q_OBJECT

public:
  explicit LecteurSon(QObject *parent = nullptr);
  ~LecteurSon() override;

  bool Jouer(const QByteArray &image) override;
  void Arreter() override;

private:
  std::unique_ptr<QAudioSink> m_sortie;
  QBuffer m_lecture;
  QByteArray m_echantillons;
};
