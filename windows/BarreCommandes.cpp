#include "windows/BarreCommandes.h"

#include "windows/BanqueImages.h"

#include <QAction>
#include <QShortcutEvent>
#include <QToolButton>

namespace {
const char *const ProprieteImage = "vocadixImage";
const char *const ProprieteStyle = "vocadixStyle";

// The keyboard shortcut of each command: the desktop's conventions where it
// has them, single keys for the draw. A shortcut clicks its button, so a
// disabled command does nothing; it belongs to the main window and never
// reaches a dialog, where F1 still opens the help.
const std::pair<const char *, const char *> Raccourcis[] = {
    {"NouvellePartie", "Ctrl+N"},
    {"NouveauJeu", "Ctrl+J"},
    {"Consonnes", "C"},
    {"Voyelles", "V"},
    {"Stop", "Return"},
    {"Verification", "Return"},
    {"Scores", "Ctrl+T"},
    {"AvecSon", "Ctrl+M"},
    {"SansSon", "Ctrl+M"},
    {"AvecMessage", "Ctrl+G"},
    {"SansMessage", "Ctrl+G"},
    {"Apropos", "Ctrl+F1"},
    {"Aide", "F1"},
    {"Quitter", "Ctrl+Q"},
    {"Reglages", "Ctrl+R"},
    {"Statistiques", "Ctrl+H"},
};

using Style = BarreCommandes::Style;
struct Emplacement {
  const char *cle;
  Style style;
  int image;
  const char *infobulle;
};
// The command bar, position 1 first.
const Emplacement Commandes[] = {
    {"", Style::Separateur, 0, ""},
    {"NouvellePartie", Style::Simple, 1, "Nouvelle partie"},
    {"NouveauJeu", Style::Simple, 2, "Nouveau jeu"},
    {"", Style::Separateur, 0, ""},
    {"Consonnes", Style::Simple, 3, "Tirage des consonnes"},
    {"Voyelles", Style::Simple, 4, "Tirage des voyelles"},
    {"", Style::Separateur, 0, ""},
    {"Stop", Style::Simple, 5, "Arrêt"},
    {"Verification", Style::Simple, 6, "Vérification du mot"},
    {"", Style::Separateur, 0, ""},
    {"Scores", Style::Simple, 7, "Tableau des scores"},
    {"", Style::Separateur, 0, ""},
    {"AvecSon", Style::Bascule, 8, "Retrait du son"},
    {"AvecMessage", Style::Bascule, 14, "Désactiver l'aide au déroulement de la partie"},
    {"", Style::Separateur, 0, ""},
    {"Apropos", Style::Simple, 13, "A propos"},
    {"", Style::Separateur, 0, ""},
    {"Aide", Style::Simple, 11, "Un peu d'aide ?"},
    {"Quitter", Style::Simple, 10, "Quitter"},
    // What the game adds, behind its own separator.
    {"", Style::Separateur, 0, ""},
    {"Reglages", Style::Simple, 16, "Réglages de la partie"},
    {"", Style::Separateur, 0, ""},
    {"Statistiques", Style::Simple, 17, "Statistiques de vos parties"},
};

// The two forms of an option button: while its option is on, and off. Its
// key names the state it shows, its tooltip the action of a click.
struct Forme {
  const char *cle;
  int image;
  bool enfonce;
  const char *infobulle;
};
struct Option {
  int position;
  Forme allumee, eteinte;
};
const Option Options[] = {
    {13, {"AvecSon", 8, false, "Retrait du son"}, {"SansSon", 9, true, "Activation du son"}},
    {14,
     {"AvecMessage", 14, false, "Désactiver l'aide au déroulement de la partie"},
     {"SansMessage", 15, true, "Activer l'aide au déroulement de la partie"}},
};

} // namespace

BarreCommandes::BarreCommandes(QWidget *parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("BarreBoutons"));
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(31, 31));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QAction *BarreCommandes::Inserer(int position, const QString &cle, Style style, int image) {
  Q_ASSERT(position >= 1 && position <= Nombre() + 1);
  QAction *avant = m_positions.value(position - 1);
  QAction *bouton;
  if (style == Style::Separateur) {
    bouton = new QAction(this);
    bouton->setSeparator(true);
  } else {
    bouton = new QAction(BanqueImages::Image(image), QString(), this);
    bouton->setObjectName(cle);
    bouton->setCheckable(style == Style::Bascule);
  }
  bouton->setProperty(ProprieteImage, image);
  bouton->setProperty(ProprieteStyle, int(style));
  insertAction(avant, bouton);
  m_positions.insert(position - 1, bouton);
  if (QWidget *widget = widgetForAction(bouton))
    widget->setObjectName(cle.isEmpty() ? QString() : QStringLiteral("bouton_") + cle);
  // On the button rather than its action: assistive technology reads it
  // there as the button's key binding.
  if (auto *outil = qobject_cast<QToolButton *>(widgetForAction(bouton))) {
    outil->setShortcut(Raccourci(cle));
    outil->installEventFilter(this);
  }
  return bouton;
}

void BarreCommandes::Garnir() {
  for (const Emplacement &c : Commandes) {
    const int position = Nombre() + 1;
    Inserer(position, QString::fromLatin1(c.cle), c.style, c.image);
    if (c.style != Style::Separateur)
      DefinirInfobulle(position, QString::fromUtf8(c.infobulle));
  }
}

QAction *BarreCommandes::BasculerOption(int position, bool &allumee) {
  const Option &option =
      *std::find_if(std::begin(Options), std::end(Options),
                    [position](const Option &o) { return o.position == position; });
  allumee = Cle(position) != QLatin1String(option.allumee.cle);
  const Forme &forme = allumee ? option.allumee : option.eteinte;
  Retirer(position);
  QAction *bouton = Inserer(position, QString::fromLatin1(forme.cle), Style::Simple, forme.image);
  if (forme.enfonce)
    DefinirEnfonce(position, true);
  DefinirInfobulle(position, QString::fromUtf8(forme.infobulle));
  return bouton;
}

// A button's own shortcut would play an animated click, which lands 100 ms
// after the key and swallows a second press of it meanwhile: the command
// runs as the key goes down instead, once a press.
bool BarreCommandes::eventFilter(QObject *objet, QEvent *evenement) {
  if (evenement->type() == QEvent::Shortcut) {
    if (auto *outil = qobject_cast<QToolButton *>(objet);
        outil && !static_cast<QShortcutEvent *>(evenement)->isAmbiguous()) {
      if (QAction *bouton = outil->defaultAction())
        bouton->trigger();
      return true;
    }
  }
  return QToolBar::eventFilter(objet, evenement);
}

QKeySequence BarreCommandes::Raccourci(const QString &cle) {
  for (const auto &[commande, touches] : Raccourcis)
    if (cle == QLatin1String(commande))
      return QKeySequence(QString::fromLatin1(touches));
  return {};
}

void BarreCommandes::Retirer(int position) {
  QAction *bouton = m_positions.takeAt(position - 1);
  removeAction(bouton);
  // The click that asked for this may still be on its way up the stack.
  bouton->deleteLater();
}

QAction *BarreCommandes::Bouton(const QString &cle) const {
  for (QAction *bouton : m_positions)
    if (!bouton->isSeparator() && bouton->objectName() == cle)
      return bouton;
  return nullptr;
}

QString BarreCommandes::Cle(int position) const {
  const QAction *bouton = Bouton(position);
  return bouton && !bouton->isSeparator() ? bouton->objectName() : QString();
}

int BarreCommandes::Image(int position) const {
  return Bouton(position)->property(ProprieteImage).toInt();
}

BarreCommandes::Style BarreCommandes::StyleBouton(int position) const {
  return Style(Bouton(position)->property(ProprieteStyle).toInt());
}

void BarreCommandes::DefinirInfobulle(int position, const QString &texte) {
  QAction *bouton = Bouton(position);
  bouton->setToolTip(texte);
  // Screen readers name a button after its tooltip.
  if (QWidget *widget = widgetForAction(bouton))
    widget->setAccessibleName(texte);
}

void BarreCommandes::DefinirEnfonce(int position, bool enfonce) {
  // A pressed look is a checked state; a plain button takes one to show it.
  QAction *bouton = Bouton(position);
  if (enfonce)
    bouton->setCheckable(true);
  bouton->setChecked(enfonce);
}

bool BarreCommandes::Enfonce(int position) const {
  return Bouton(position)->isChecked();
}

void BarreCommandes::Activer(const QString &cle, bool actif) {
  if (QAction *bouton = Bouton(cle))
    bouton->setEnabled(actif);
}

bool BarreCommandes::Actif(const QString &cle) const {
  const QAction *bouton = Bouton(cle);
  return bouton && bouton->isEnabled();
}
