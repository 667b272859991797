#include "shell/traduccion.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstalarTraduccionQt() {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(QStringLiteral(":/traducciones/qtbase_es.qm")) &&
        QCoreApplication::installTranslator(traductor))
        return true;
    delete traductor;
    return false;
}
