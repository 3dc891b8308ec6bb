// What a user would see as broken in a shown window: a control too small for
// its text, a control that sticks out of the widget holding it, and two
// controls side by side that overlap.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStringList>

inline QStringList LayoutFaults(QWidget* window) {
    window->show();
    QApplication::processEvents();
    auto isControl = [](QWidget* w) {
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
               qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QProgressBar*>(w) || qobject_cast<QAbstractSlider*>(w) ||
               qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w);
    };
    auto name = [](QWidget* w) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            text = label->text().left(30);
        return QString("%1 %2 \"%3\"").arg(w->metaObject()->className(), w->objectName(), text);
    };
    QStringList faults;
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(window) || !isControl(w))
            continue;
        bool part = false;  // a scroll bar of a list, the button of a combo box
        for (QWidget* up = w->parentWidget(); up != window; up = up->parentWidget())
            part |= isControl(up);
        if (part)
            continue;
        shown << w;
        const QSize least = w->minimumSizeHint();
        if (w->width() < least.width() || w->height() < least.height())
            faults << QString("%1 is %2x%3, needs %4x%5")
                          .arg(name(w))
                          .arg(w->width())
                          .arg(w->height())
                          .arg(least.width())
                          .arg(least.height());
        if (!w->parentWidget()->rect().contains(w->geometry()))
            faults << name(w) + " sticks out of " + name(w->parentWidget());
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            if (shown[i]->parentWidget() == shown[j]->parentWidget() &&
                shown[i]->geometry().intersects(shown[j]->geometry()))
                faults << name(shown[i]) + " overlaps " + name(shown[j]);
    return faults;
}
