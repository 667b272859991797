// Accessible objects of our own where Qt's say too little: the picture is an image rather than a
// filler (which screen readers skip as layout), the spoken notice is a notification, and a menu-bar
// item carries its menu's name ("Ayuda" rather than the sign "?") and every item a description.

#include "main_window/accesibilidad.h"

#ifdef Q_OS_WASM
#include "shell/plataforma_web.h"
#endif

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {

constexpr char kDescripcion[] = "zafreloDescripcion";

// Where an action is shown: its menu bar or menu.
QWidget* Dueno(QAction* accion) {
    for (QObject* o : accion->associatedObjects())
        if (qobject_cast<QMenuBar*>(o) || qobject_cast<QMenu*>(o)) return static_cast<QWidget*>(o);
    return nullptr;
}

// A menu-bar item or menu item, as Qt's own would be, with the name and description above.
class ElementoMenu : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ElementoMenu(QWidget* dueno, QAction* accion) : dueno_(dueno), accion_(accion) {}

    bool isValid() const override { return dueno_ && accion_; }
    QObject* object() const override { return accion_; }
    QWindow* window() const override { return dueno_ ? dueno_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(dueno_);
    }
    int childCount() const override { return accion_->menu() ? 1 : 0; }
    QAccessibleInterface* child(int i) const override {
        return i == 0 && accion_->menu() ? QAccessible::queryAccessibleInterface(accion_->menu())
                                         : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        return hijo && accion_->menu() && hijo->object() == accion_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* hijo = child(0);
        return hijo && hijo->rect().contains(x, y) ? hijo : nullptr;
    }
    QRect rect() const override {
        if (!isValid()) return {}; // the menu or the action is gone
        QRect r;
        if (auto* barra = qobject_cast<QMenuBar*>(dueno_)) r = barra->actionGeometry(accion_);
        if (auto* menu = qobject_cast<QMenu*>(dueno_)) r = menu->actionGeometry(accion_);
        return r.translated(dueno_->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override {
        return accion_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.invisible = !dueno_->isVisible() || !accion_->isVisible();
        s.disabled = accion_->isSeparator() || !accion_->isEnabled();
        s.focusable = !s.disabled;
        QAction* activa = nullptr;
        if (auto* barra = qobject_cast<QMenuBar*>(dueno_)) activa = barra->activeAction();
        if (auto* menu = qobject_cast<QMenu*>(dueno_)) activa = menu->activeAction();
        s.focused = activa == accion_;
        return s;
    }
    QString text(QAccessible::Text que) const override {
        const QMenu* menu = accion_->menu();
        switch (que) {
        case QAccessible::Name:
            if (menu && !menu->accessibleName().isEmpty()) return menu->accessibleName();
            return QString(accion_->text()).remove(QLatin1Char('&'));
        case QAccessible::Description:
            return menu ? menu->accessibleDescription()
                        : accion_->property(kDescripcion).toString();
        case QAccessible::Accelerator:
            return (accion_->shortcut().isEmpty() ? QKeySequence::mnemonic(accion_->text())
                                                  : accion_->shortcut())
                .toString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType tipo) override {
        return tipo == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (accion_->isSeparator()) return {};
        return {accion_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& nombre) override {
        if (!accion_->isEnabled()) return;
        if (nombre == pressAction()) accion_->trigger();
        if (nombre != showMenuAction() || !accion_->menu()) return;
        if (accion_->menu()->isVisible()) {
            accion_->menu()->hide();
        } else if (auto* barra = qobject_cast<QMenuBar*>(dueno_)) {
            barra->setActiveAction(accion_);
        } else if (auto* menu = qobject_cast<QMenu*>(dueno_)) {
            menu->setActiveAction(accion_);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QWidget> dueno_;
    QPointer<QAction> accion_;
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("Lienzo"))
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Graphic);
    if (clase == QLatin1String("AvisoVoz"))
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Notification);
    // Only the program's own menus; the menus Qt makes (a box's context menu) keep Qt's items.
    auto* accion = qobject_cast<QAction*>(objeto);
    if (clase != QLatin1String("QAction") || !accion) return nullptr;
    const bool nuestra = accion->property(kDescripcion).isValid() ||
                         (accion->menu() && !accion->menu()->accessibleName().isEmpty());
    QWidget* dueno = Dueno(accion);
    return nuestra && dueno ? new ElementoMenu(dueno, accion) : nullptr;
}

} // namespace

void InstalarAccesibilidad() {
    static const bool instalada = (QAccessible::installFactory(Fabrica), true);
    Q_UNUSED(instalada);
}

void DescribirAccion(QAction* accion, const QString& descripcion) {
    accion->setProperty(kDescripcion, descripcion);
}

AvisoVoz::AvisoVoz(QWidget* padre) : QWidget(padre) {
    setObjectName(QStringLiteral("avisoVoz"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void AvisoVoz::Anunciar(const QString& texto) {
#ifdef Q_OS_WASM
    // Qt's layer in a page has no notifications: the page's own live region speaks the notice.
    AnunciarEnPagina(texto);
#else
    setAccessibleName(texto);
    // Showing it is what the screen reader hears of; a notice already up is shown again.
    hide();
    show();
#endif
}
