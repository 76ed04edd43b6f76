#include "platform/InterfaceTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace {

QObject* component(QWidget* form, const QString& name) {
    if (form->objectName() == name)
        return form;
    return form->findChild<QObject*>(name);
}

// A page of a tab widget sits in the widget's page stack; its caption is its tab.
bool setTabCaption(QWidget* page, const QString& text) {
    for (QWidget* up = page->parentWidget(); up; up = up->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            const int index = tabs->indexOf(page);
            if (index < 0)
                return false;
            tabs->setTabText(index, text);
            return true;
        }
    }
    return false;
}

void setCaption(QObject* target, const QString& text) {
    if (auto* entry = qobject_cast<QAction*>(target))
        entry->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(target))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(target); widget && widget->isWindow())
        widget->setWindowTitle(text);
    else if (widget)
        setTabCaption(widget, text);
}

void setHint(QObject* target, const QString& text) {
    if (auto* entry = qobject_cast<QAction*>(target))
        entry->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(target))
        widget->setToolTip(text);
}

void setItemCaption(QObject* group, int item, const QString& text) {
    const auto buttons =
        group->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (item >= 0 && item < buttons.size())
        buttons[item]->setText(text);
}

} // namespace

QFont DesignFont(bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

void UseChineseFont(QWidget* widget) {
    QFont font = widget->font();
    font.setFamily(QString::fromUtf8("宋体"));
    font.setPointSize(9);
    widget->setFont(font);
}

void ApplyTextRow(QWidget* form, const TextRow& row) {
    QObject* target = component(form, QString::fromLatin1(row.component));
    if (!target)
        return;
    const QString text = QString::fromUtf8(row.text ? row.text : "");
    switch (row.property) {
    case TextProperty::Font:
        if (auto* widget = qobject_cast<QWidget*>(target))
            UseChineseFont(widget);
        break;
    case TextProperty::Caption:
        setCaption(target, text);
        break;
    case TextProperty::Hint:
        setHint(target, text);
        break;
    case TextProperty::Item:
        setItemCaption(target, row.item, text);
        break;
    }
}
