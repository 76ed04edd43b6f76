#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <vector>

// Every text a user reads on a form: window titles, captions of labels, buttons, groups and
// tabs, hints, and the texts of menu entries, whatever widgets and actions the form holds.
struct ShownText {
    QString owner; // the object name of the widget or action that shows it
    QString text;
};

inline QString ownerName(const QObject* object) {
    for (; object; object = object->parent())
        if (!object->objectName().isEmpty())
            return object->objectName();
    return QStringLiteral("(unnamed)");
}

inline void addShown(std::vector<ShownText>& texts, const QObject* owner, const QString& text) {
    if (!text.isEmpty())
        texts.push_back({ownerName(owner), text});
}

inline void addWidgetTexts(std::vector<ShownText>& texts, const QWidget* widget) {
    if (widget->isWindow())
        addShown(texts, widget, widget->windowTitle());
    addShown(texts, widget, widget->toolTip());
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        addShown(texts, widget, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        addShown(texts, widget, button->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        addShown(texts, widget, group->title());
    if (const auto* menu = qobject_cast<const QMenu*>(widget))
        addShown(texts, widget, menu->title());
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
        for (int i = 0; i < tabs->count(); ++i) {
            addShown(texts, widget, tabs->tabText(i));
            addShown(texts, widget, tabs->tabToolTip(i));
        }
}

// The texts of `form` and of everything it owns, except what `skip` excludes (with all it
// owns).
inline std::vector<ShownText> ShownTexts(const QWidget* form,
                                         const std::function<bool(const QObject*)>& skip) {
    const auto skipped = [&](const QObject* object) {
        for (; object && object != form; object = object->parent())
            if (skip(object))
                return true;
        return false;
    };
    std::vector<ShownText> texts;
    addWidgetTexts(texts, form);
    for (const QWidget* widget : form->findChildren<QWidget*>())
        if (!skipped(widget))
            addWidgetTexts(texts, widget);
    for (const QAction* entry : form->findChildren<QAction*>())
        if (!entry->isSeparator() && !skipped(entry)) {
            addShown(texts, entry, entry->text());
            if (entry->toolTip() != QString(entry->text()).remove(u'&'))
                addShown(texts, entry, entry->toolTip());
        }
    return texts;
}

inline bool HasChinese(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

// A text in English: letters and not one Chinese character ("只显示CAD文件" is Chinese).
inline bool IsEnglish(const QString& text) {
    return !HasChinese(text) && std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}
