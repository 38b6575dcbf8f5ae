// Tolvane: one session (the input panels, the calculation table, the
// settings), the desktop's message boxes, clipboard and file dialogs, the
// main window and the calculation table window beside it.
#include <QApplication>

#include "results/widgets/ausgabe.h"
#include "shell/session.h"
#include "shell/widgets/hauptfe.h"
#include "shell/widgets/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane 4.1"));

    tolvane::Session session;
    tolvane::QtMessageSink messages;
    tolvane::QtClipboard clipboard;
    tolvane::QtFileDialogs files;

    tolvane::TMyWindow window(session, {messages, clipboard, files});
    tolvane::TAusgabe_Fenster table(session, messages, clipboard);
    // The table stands beside the main window; closing the main window ends the program.
    table.setAttribute(Qt::WA_QuitOnClose, false);
    window.setTableWindow(&table);
    window.show();
    table.move(window.frameGeometry().bottomLeft() + QPoint(0, 8));
    table.show();
    return QApplication::exec();
}
