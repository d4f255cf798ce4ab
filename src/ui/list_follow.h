#pragma once
// Windows beside the main one that show what the two lists show.

#include <QAbstractItemModel>
#include <QObject>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <memory>

namespace swathkit {

// Calls changed once after every change to either list: every change to a
// side refills its list, and a refill comes as many small signals, so acting
// once after them is enough. With selections, a new selection counts too.
inline void FollowLists(const std::array<QTreeWidget*, 2>& lists, QObject* owner, bool selections,
                        std::function<void()> changed) {
    auto pending = std::make_shared<bool>(false);
    const auto later = [owner, pending, changed = std::move(changed)] {
        if (*pending)
            return;
        *pending = true;
        QTimer::singleShot(0, owner, [pending, changed] {
            *pending = false;
            changed();
        });
    };
    for (QTreeWidget* list : lists) {
        if (selections)
            QObject::connect(list, &QTreeWidget::itemSelectionChanged, owner, later);
        QAbstractItemModel* model = list->model();
        QObject::connect(model, &QAbstractItemModel::modelReset, owner, later);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, owner, later);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, owner, later);
        QObject::connect(model, &QAbstractItemModel::dataChanged, owner, later);
    }
}

}  // namespace swathkit
