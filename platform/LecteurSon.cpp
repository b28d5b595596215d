#include "platform/LecteurSon.h"

#include "rules/ImageWave.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

LecteurSon::LecteurSon(QObject *parent) : QObject(parent) {}

LecteurSon::~LecteurSon() {
  Arreter();
}

void LecteurSon::Arreter() {
  if (m_sortie) {
    m_sortie->stop();
    m_sortie.reset();
  }
  m_lecture.close();
}

bool LecteurSon::Jouer(const QByteArray &image) {
  Arreter();
  const ImageWave wave = ImageWave::Lire(image);
  if (!wave.Valide() || wave.Format != 1 || wave.Canaux < 1 || wave.Echantillons.isEmpty())
    return false;

  QAudioFormat format;
  format.setSampleRate(int(wave.Frequence));
  format.setChannelCount(wave.Canaux);
  switch (wave.BitsParEchantillon) {
  case 8:
    format.setSampleFormat(QAudioFormat::UInt8);
    break;
  case 16:
    format.setSampleFormat(QAudioFormat::Int16);
    break;
  default:
    return false;
  }
  const QAudioDevice sortie = QMediaDevices::defaultAudioOutput();
  if (sortie.isNull() || !sortie.isFormatSupported(format))
    return false;

  m_echantillons = wave.Echantillons;
  m_lecture.setData(m_echantillons);
  m_lecture.open(QIODevice::ReadOnly);
  m_sortie = std::make_unique<QAudioSink>(sortie, format);
  m_sortie->start(&m_lecture);
  return m_sortie->error() == QAudio::NoError;
}

extern "C" Q_DECL_EXPORT SortieSon *vocadix_sortie_son() {
  return new LecteurSon;
}
