#pragma once

#include <QFont>

class QWidget;

// The texts of a form as a table of rows, each naming a component of the form by its object
// name and the property it sets. Rows are applied in their order.
enum class TextProperty {
    Font,    // the interface font's name and size; colour and style stay
    Caption, // the visible text: a window's title, a label's, a button's, a menu entry's,
             // a group's title or a page's tab
    Hint,    // the tooltip
    Item,    // the caption of item `item` of a button group
};

struct TextRow {
    const char* component;
    TextProperty property;
    const char* text; // UTF-8; unused by font rows
    int item = 0;
};

// The design font of the forms: Tahoma, 8 points.
QFont DesignFont(bool bold = false);

// Sets the Chinese interface font, "宋体" at 9 points, keeping the font's other attributes.
void UseChineseFont(QWidget* widget);

// Applies one row to the component of `form` it names (the form itself included); a row
// whose component does not exist is passed over.
void ApplyTextRow(QWidget* form, const TextRow& row);

template <typename Rows> void ApplyTextRows(QWidget* form, const Rows& rows) {
    for (const TextRow& row : rows)
        ApplyTextRow(form, row);
}
