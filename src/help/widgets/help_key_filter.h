// F1 everywhere: an application-wide filter that turns F1 in any window or
// dialog into a request for that window's help topic (by class name, or for
// an open menu by the highlighted command), so no dialog needs code of its
// own. The main window keeps F1 for Help > Index through its shortcut. A
// control may name a topic of its own in the property kHelpTopicProperty
// ("page.html#anchor"); F1 with the focus on it opens that topic.
#pragma once

#include <QObject>
#include <functional>

#include "help/help_topics.h"

class QWidget;

namespace tolvane {

inline constexpr const char* kHelpTopicProperty = "helpTopic";

// A window where F1 means another control than the focused one (the one
// under the mouse, say) derives from this; F1 then asks for that control's
// topic, or for the focused one's while it names none.
class HelpSubject {
public:
    virtual QWidget* helpSubject() const = 0;

protected:
    ~HelpSubject() = default;
};

class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    using Opener = std::function<void(const HelpTopic&)>;
    explicit HelpKeyFilter(Opener open, QObject* parent = nullptr);

    // The topic F1 in this widget asks for: its own or a parent's topic
    // property, else its window's class or one of the classes it derives
    // from; an open menu's highlighted command.
    static std::optional<HelpTopic> topicFor(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Opener open_;
};

}  // namespace tolvane
