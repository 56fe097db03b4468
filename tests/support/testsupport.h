#pragma once
// Helpers shared by the window tests: find controls by object name.

#include <QString>
#include <QWidget>

template <typename T = QWidget> T* findControl(QWidget* form, const QString& name) {
    if (form->objectName() == name) return qobject_cast<T*>(form);
    return form->findChild<T*>(name);
}
