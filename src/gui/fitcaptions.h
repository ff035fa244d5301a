#pragma once
// Captions that fit at any font and scale. The layouts are positions in twips drawn for one
// small font; with another font, or the screen scaled, a caption may need more room. Each
// caption (label, option button, check box) takes what its text needs without covering a
// neighbour: first its height (a label gives back what its text does not use; a control that
// needs more pushes what lies below it down, when the parent has room), then its width (it
// grows into free room to its right; where a neighbour stands in the way, the neighbour and the
// controls lined up under it move right, when the parent has room; otherwise a label wraps). A
// push button keeps its designed size unless its caption (a translation's) is wider.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>

namespace varnel {

namespace detail {

inline QList<QWidget*> visibleSiblings(QWidget* parent) {
    QList<QWidget*> out;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isWindow() && !w->isHidden()) out << w;
    }
    return out;
}

// The siblings that a rectangle would cover, other than the widget itself.
inline QList<QWidget*> covered(QWidget* self, const QRect& rect) {
    QList<QWidget*> out;
    for (QWidget* w : visibleSiblings(self->parentWidget())) {
        if (w != self && w->geometry().intersects(rect)) out << w;
    }
    return out;
}

inline bool isCaption(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QRadioButton*>(w) ||
           qobject_cast<QCheckBox*>(w) || qobject_cast<QPushButton*>(w);
}

// The width a push button's caption needs, with room for its frame; its designed size is kept
// while the caption fits it.
inline int buttonWidthNeeded(QPushButton* button) {
    constexpr int kFrame = 12;
    return button->fontMetrics().horizontalAdvance(
               QString(button->text()).remove(QLatin1Char('&'))) +
           kFrame;
}

inline QLabel* wrappingLabel(QWidget* w) {
    auto* label = qobject_cast<QLabel*>(w);
    return label && label->wordWrap() ? label : nullptr;
}

// Moves the widgets by (dx, dy), with every sibling lined up with them (the same left edge for
// a move right, the same top for a move down), when all of them still fit in the parent and
// cover nothing new; false, moving nothing, otherwise.
inline bool moveAside(QWidget* parent, const QList<QWidget*>& blockers, int dx, int dy) {
    QList<QWidget*> moving;
    for (QWidget* n : blockers) {
        for (QWidget* m : visibleSiblings(parent)) {
            const bool lined = dx ? m->x() == n->x() : m->y() == n->y();
            if (lined && !moving.contains(m)) moving << m;
        }
    }
    for (QWidget* m : moving) {
        const QRect moved = m->geometry().translated(dx, dy);
        if (moved.right() >= parent->width() || moved.bottom() >= parent->height()) return false;
        for (QWidget* o : covered(m, moved)) {
            if (!moving.contains(o)) return false;
        }
    }
    for (QWidget* m : moving) m->move(m->x() + dx, m->y() + dy);
    return !moving.isEmpty();
}

}  // namespace detail

inline void fitCaptions(QWidget* parent) {
    constexpr int kGap = 4;  // pixels between a caption and a neighbour moved for it
    const QList<QWidget*> captions = [parent] {
        QList<QWidget*> out;
        for (QWidget* w : detail::visibleSiblings(parent)) {
            if (detail::isCaption(w)) out << w;
        }
        return out;
    }();
    for (QWidget* w : captions) {
        if (qobject_cast<QPushButton*>(w)) continue;  // a button keeps its designed height
        QLabel* wrapping = detail::wrappingLabel(w);
        const int need = wrapping ? wrapping->heightForWidth(w->width()) : w->sizeHint().height();
        QRect r = w->geometry();
        if (r.height() < need || qobject_cast<QLabel*>(w)) r.setHeight(need);
        w->setGeometry(r);
        QList<QWidget*> below;
        int dy = 0;
        for (QWidget* n : detail::covered(w, r)) {
            if (n->y() <= r.y()) continue;
            below << n;
            dy = std::max(dy, r.bottom() + 1 - n->y());
        }
        if (!below.isEmpty()) detail::moveAside(parent, below, 0, dy);
    }
    for (QWidget* w : captions) {
        if (detail::wrappingLabel(w)) continue;
        auto* button = qobject_cast<QPushButton*>(w);
        const int need = button ? detail::buttonWidthNeeded(button) : w->sizeHint().width();
        if (button && need <= w->width()) continue;
        QRect r = w->geometry();
        // A caption needs its text's width and a little room before a neighbour on its right.
        if (r.width() > need && !detail::covered(w, r.adjusted(0, 0, kGap, 0)).isEmpty()) {
            r.setWidth(need);
        }
        QRect wide = r;
        wide.setWidth(std::max(r.width(), need));
        const QList<QWidget*> inTheWay = detail::covered(w, wide.adjusted(0, 0, kGap, 0));
        int dx = 0;
        for (QWidget* n : inTheWay) dx = std::max(dx, wide.right() + kGap + 1 - n->x());
        if (inTheWay.isEmpty() || detail::moveAside(parent, inTheWay, dx, 0)) {
            r = wide;
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setWordWrap(true);
            r.setHeight(std::max(r.height(), label->heightForWidth(r.width())));
        }
        w->setGeometry(r);
    }
}

}  // namespace varnel
