#include "windows/BanqueImages.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace {

// An icon drawn from its SVG when the program was built, as one PNG a size.
// Only the size a screen asks for is read, when it is first painted: reading
// every size of every command at start-up took longer than the rest of the
// command bar.
class IconeRendue : public QIconEngine {
public:
  // `modele` holds %1 for the size in pixels: ":/images/bouton05-%1.png".
  IconeRendue(const QString &modele, QList<int> tailles)
      : m_modele(modele), m_tailles(std::move(tailles)) {}

  QIconEngine *clone() const override { return new IconeRendue(*this); }
  QString key() const override { return QStringLiteral("IconeRendue"); }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> tailles;
    for (const int t : m_tailles)
      tailles << QSize(t, t);
    return tailles;
  }

  QSize actualSize(const QSize &taille, QIcon::Mode, QIcon::State) override {
    const int cote = qMin(taille.width(), taille.height());
    return QSize(cote, cote);
  }

  QPixmap pixmap(const QSize &taille, QIcon::Mode mode, QIcon::State) override {
    const int cote = qMin(taille.width(), taille.height());
    if (cote <= 0)
      return {};
    const qint64 cle = qint64(cote) << 8 | mode;
    if (const auto faite = m_faites.constFind(cle); faite != m_faites.cend())
      return *faite;
    QPixmap image(m_modele.arg(Choisie(cote)));
    if (image.width() != cote)
      image = image.scaled(cote, cote, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal && mode != QIcon::Active) {
      // Greyed as the style greys any icon.
      QStyleOption option;
      option.palette = QApplication::palette();
      image = QApplication::style()->generatedIconPixmap(mode, image, &option);
    }
    m_faites.insert(cle, image);
    return image;
  }

  void paint(QPainter *peintre, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = peintre->device() ? peintre->device()->devicePixelRatioF() : 1.0;
    QPixmap image = pixmap(rect.size() * ratio, mode, state);
    image.setDevicePixelRatio(ratio);
    peintre->drawPixmap(rect, image);
  }

private:
  // The smallest size drawn that covers the one asked for, or the largest.
  int Choisie(int cote) const {
    for (const int t : m_tailles)
      if (t >= cote)
        return t;
    return m_tailles.last();
  }
  QString m_modele;
  QList<int> m_tailles;            // ascending
  QHash<qint64, QPixmap> m_faites; // by size and mode
};

} // namespace

QPixmap BanqueImages::Dessin(const QString &chemin, QSize taille, qreal ratio) {
  QPixmap image(taille * ratio);
  image.fill(Qt::transparent);
  QSvgRenderer rendu(chemin);
  QPainter peintre(&image);
  rendu.render(&peintre);
  peintre.end();
  image.setDevicePixelRatio(ratio);
  return image;
}

QIcon BanqueImages::Image(int index) {
  return QIcon(new IconeRendue(
      QStringLiteral(":/images/bouton%1-%2.png").arg(index, 2, 10, QLatin1Char('0')),
      {31, 47, 62}));
}

QIcon BanqueImages::IconeProgramme() {
  // The sizes a window manager shows a window's own icon at; the desktop's
  // menus and docks take the installed theme's, larger ones.
  return QIcon(new IconeRendue(QStringLiteral(":/images/vocadix-%1.png"), {16, 32, 48, 64}));
}
