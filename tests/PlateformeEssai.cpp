#include "tests/PlateformeEssai.h"

#include <QDialog>
#include <QFile>

PlateformeEssai::PlateformeEssai() {
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11}) {
    QFile son(QStringLiteral(":/sons/%1.wav").arg(n));
    if (son.open(QIODevice::ReadOnly))
      m_sonsConnus.insert(son.readAll(), n);
  }
  maintenant = QDateTime(QDate(2026, 12, 9), QTime(20, 30));
}

void PlateformeEssai::AfficherMessage(QWidget *, const QString &titre, const QString &texte,
                                      Icone icone) {
  boites.append({titre, texte, icone});
  if (pendantBoite)
    pendantBoite(boites.last());
}

int PlateformeEssai::ExecuterDialogue(QDialog &dialogue) {
  dialogues << dialogue.objectName();
  return pendantDialogue ? pendantDialogue(dialogue) : QDialog::Rejected;
}

void PlateformeEssai::Ouvrir(QWidget *, const QString &document) {
  documents << document;
}

void PlateformeEssai::AfficherAide(QWidget *, const QString &fichier) {
  aides << fichier;
}

void PlateformeEssai::JouerSon(const QByteArray &image) {
  const int n = m_sonsConnus.value(image, -1);
  sons << n;
  if (pendantSon)
    pendantSon(n);
}

double PlateformeEssai::Aleatoire() {
  return aleatoires.isEmpty() ? 0.5 : aleatoires.takeFirst();
}
