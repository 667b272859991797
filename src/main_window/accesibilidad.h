#pragma once
// What a screen reader needs beyond names and descriptions: the picture known as an image, notices
// spoken wherever the focus is, and menus read by their names and descriptions.

#include <QWidget>

class QAction;

// Makes Qt build the accessible objects below; once per process, before the first window.
void InstalarAccesibilidad();

// The description a menu item is read with.
void DescribirAccion(QAction* accion, const QString& descripcion);

// A notice the screen reader speaks by itself, without moving the keyboard focus. It takes no room
// and draws nothing: screen readers know it as a notification, and speak one each time it shows.
class AvisoVoz : public QWidget {
    Q_OBJECT
  public:
    explicit AvisoVoz(QWidget* padre);
    void Anunciar(const QString& texto);
};
