#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <memory>

class QAudioSink;

// Plays wave images from memory on the default audio output without waiting.
// A new sound cuts the one still playing; with no output, or an image or a
// format the output refuses, it stays silent.
class LecteurSon : public QObject {
  Q_OBJECT

public:
  explicit LecteurSon(QObject *parent = nullptr);
  ~LecteurSon() override;

  // Returns false when the image is not played.
  bool Jouer(const QByteArray &image);
  void Arreter();

private:
  std::unique_ptr<QAudioSink> m_sortie;
  QBuffer m_lecture;
  QByteArray m_echantillons;
};
