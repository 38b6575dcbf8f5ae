// TSplashScreen: shown while start-up creates the windows, borderless and
// centred on the screen, with the program's name and version over a drawn
// picture of a pipe run with a flow arrow and a pressure gauge.
#pragma once

#include <QPixmap>
#include <QSplashScreen>

#include "base/product_version.h"

namespace tolvane {

class TSplashScreen : public QSplashScreen {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    // Shows the screen and paints it before the caller goes on with its work.
    void showAtOnce();

    static constexpr const char* kTitle = kProgramTitle;

    // The picture with the title, as shown.
    static QPixmap picture();
};

}  // namespace tolvane
