#include "help/widgets/help_key_filter.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace tolvane {

HelpKeyFilter::HelpKeyFilter(Opener open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {}

std::optional<HelpTopic> HelpKeyFilter::topicFor(QWidget* widget) {
    if (!widget) return std::nullopt;
    if (const auto* menu = qobject_cast<QMenu*>(widget->window()))
        if (const QAction* action = menu->activeAction())
            if (auto topic = helpTopicForMenuCommand(action->objectName().toStdString()))
                return topic;
    for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QString own = w->property(kHelpTopicProperty).toString();
        if (!own.isEmpty()) {
            const qsizetype hash = own.indexOf(QLatin1Char('#'));
            if (hash < 0) return HelpTopic{own.toStdString(), ""};
            return HelpTopic{own.left(hash).toStdString(), own.mid(hash + 1).toStdString()};
        }
    }
    // The widget's own window first, then the windows it stands in (a
    // dialog's embedded panel, a child window of a dialog).
    for (QWidget* w = widget->window(); w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        for (const QMetaObject* m = w->metaObject(); m; m = m->superClass())
            if (auto topic = helpTopicForWindow(m->className())) return topic;
        if (auto topic = helpTopicForWindow(w->objectName().toStdString())) return topic;
    }
    return std::nullopt;
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (const auto* subject = dynamic_cast<const HelpSubject*>(widget->window()))
        if (QWidget* meant = subject->helpSubject()) widget = meant;
    // A press on a menu's item names the command; elsewhere the window.
    open_(topicFor(widget).value_or(HelpTopic{kHelpContentsPage, ""}));
    return true;
}

}  // namespace tolvane
