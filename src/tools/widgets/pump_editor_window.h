// TPumpEditor, "Pump editor": the points of one pump in a table (rate of
// flow, head, efficiency, NPSH required, shaft power), its name, speed,
// impeller and units, with a small live diagram. Rows are added, deleted or
// pasted from the clipboard (two to five TAB-separated columns); Open and
// Save go through the file dialogs, saving through the pump file's writer.
// A table the pump file's reader would refuse is not saved, and the message
// names the point.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "base/messages_clipboard_files.h"
#include "tools/pump_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tolvane {

class PumpEditorDiagram;

class TPumpEditor : public QDialog {
    Q_OBJECT
public:
    TPumpEditor(MessageSink& messages, Clipboard& clipboard, FileDialogs& files,
                QWidget* parent = nullptr);

    // How Open chooses its file (starting in the example pumps' folder);
    // without it the file dialogs' own openFile.
    void setOpener(std::function<std::optional<std::string>()> open) { open_ = std::move(open); }
    void setTable(const PumpTable& table);
    PumpTable table() const;
    // Reads a pump file into the editor; false (with the message) when refused.
    bool openPath(const std::string& path);
    const std::string& path() const { return path_; }
    PumpEditorDiagram* diagram() const { return diagram_; }

Q_SIGNALS:
    // A pump file was written.
    void saved(const QString& path);

public Q_SLOTS:
    void AddClick();
    void DeleteClick();
    void PasteClick();
    void OpenClick();
    void SaveClick();

private:
    void refreshDiagram();
    void setRows(const std::vector<PumpTableRow>& rows);

    MessageSink& messages_;
    Clipboard& clipboard_;
    FileDialogs& files_;
    std::function<std::optional<std::string>()> open_;
    std::string path_;
    bool filling_ = false;

    QLineEdit* Edit_Name = nullptr;
    QLineEdit* Edit_Speed = nullptr;
    QLineEdit* Edit_Impeller = nullptr;
    QComboBox* ComboFlowUnit = nullptr;
    QComboBox* ComboHeadUnit = nullptr;
    QTableWidget* PointGrid = nullptr;
    PumpEditorDiagram* diagram_ = nullptr;
    QLabel* Label_State = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* PasteBtn = nullptr;
    QPushButton* OpenBtn = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
};

}  // namespace tolvane
