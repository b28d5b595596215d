#include "windows/ConteneurAccessible.h"

#include <QChildEvent>
#include <QWidget>
#include <algorithm>

namespace {

const char *const ProprieteDecor = "vocadixDecor";

bool Lisible(const QWidget *controle) {
  return !controle->isWindow() && !controle->isHidden() &&
         !controle->property(ProprieteDecor).toBool();
}

// The program's own container classes: Qt's factory answers first for its
// own classes, so these are named by the program's.
QAccessibleInterface *Fabrique(const QString &classe, QObject *objet) {
  auto *widget = qobject_cast<QWidget *>(objet);
  if (widget && classe == QLatin1String("Surface"))
    return new ConteneurAccessible(widget, QAccessible::Client);
  if (widget && classe == QLatin1String("PanneauLettres"))
    return new ConteneurAccessible(widget, QAccessible::Grouping);
  if (widget && classe == QLatin1String("BarreCommandes"))
    return new ConteneurAccessible(widget, QAccessible::ToolBar);
  if (widget && classe == QLatin1String("Annonce"))
    return new QAccessibleWidget(widget, QAccessible::Notification);
  return nullptr;
}

// Follows the children of a container: one shown or hidden changes what
// the container's reading holds.
class Veilleur : public QObject {
public:
  explicit Veilleur(QWidget *conteneur) : QObject(conteneur) {
    conteneur->installEventFilter(this);
    for (QObject *enfant : conteneur->children())
      if (enfant->isWidgetType())
        enfant->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject *objet, QEvent *evenement) override {
    if (evenement->type() == QEvent::ChildAdded) {
      if (QObject *enfant = static_cast<QChildEvent *>(evenement)->child(); enfant->isWidgetType())
        enfant->installEventFilter(this);
    } else if ((evenement->type() == QEvent::Show || evenement->type() == QEvent::Hide) &&
               objet != parent()) {
      QAccessibleEvent reordre(parent(), QAccessible::ObjectReorder);
      QAccessible::updateAccessibility(&reordre);
    }
    return false;
  }
};

} // namespace

ConteneurAccessible::ConteneurAccessible(QWidget *conteneur, QAccessible::Role role)
    : QAccessibleWidget(conteneur, role) {
  new Veilleur(conteneur);
}

QList<QWidget *> ConteneurAccessible::Enfants() const {
  QList<QWidget *> enfants;
  for (QObject *objet : widget()->children())
    if (auto *controle = qobject_cast<QWidget *>(objet); controle && Lisible(controle))
      enfants << controle;
  // A command bar is read in the order of its buttons, whichever was
  // inserted last.
  if (role() == QAccessible::ToolBar)
    std::stable_sort(enfants.begin(), enfants.end(),
                     [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
  return enfants;
}

int ConteneurAccessible::childCount() const {
  return int(Enfants().size());
}

QAccessibleInterface *ConteneurAccessible::child(int index) const {
  const QList<QWidget *> enfants = Enfants();
  return index >= 0 && index < enfants.size()
             ? QAccessible::queryAccessibleInterface(enfants.at(index))
             : nullptr;
}

int ConteneurAccessible::indexOfChild(const QAccessibleInterface *enfant) const {
  return enfant ? int(Enfants().indexOf(qobject_cast<QWidget *>(enfant->object()))) : -1;
}

void ConteneurAccessible::Installer() {
  static const bool installee = [] {
    QAccessible::installFactory(Fabrique);
    return true;
  }();
  Q_UNUSED(installee);
}

void ConteneurAccessible::MarquerDecor(QWidget *controle) {
  controle->setProperty(ProprieteDecor, true);
}
