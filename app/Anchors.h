#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

// Keeps children at their design distances from the edges of their parent that they are
// anchored to: a child anchored left and right stretches with the parent's width, one
// anchored only right moves with the right edge, one anchored to neither side keeps its
// centre, and so on for top and bottom.
class Anchors : public QObject {
public:
    // Parent's size at design time; the children's geometries are given for that size.
    Anchors(QWidget* parent, QSize designSize);

    // Places Child at its design geometry and keeps it anchored to Edges from now on.
    void place(QWidget* child, const QRect& designGeometry, Qt::Edges edges);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QWidget* child;
        QRect design;
        Qt::Edges edges;
    };
    void apply(const Entry& entry, QSize size) const;

    QWidget* parentWidget;
    QSize design;
    std::vector<Entry> entries;
};
