#pragma once
// "Material Definitions" (`MSWin`): the four lists of the library side by side, each
// with its New, Edit and Delete, and Done and Cancel. The lists follow the library.
// Changes made here are in the library at once; closing undoes nothing.
#include "model/MaterialLibrary.h"

#include <QDialog>
#include <array>

class QListWidget;

namespace brisko {
class Session;
}

namespace brisko::gui {

class MaterialDialog;

class TMSWin : public QDialog {
    Q_OBJECT
public:
    TMSWin(Session& session, QWidget* parent);

    // Shows the library again and opens the window.
    void openWindow();
    MaterialDialog* definitionDialog(MaterialKind kind) const { return m_dialogs.at(index(kind)); }

private:
    static int index(MaterialKind kind) { return static_cast<int>(kind); }
    QWidget* buildColumn(MaterialKind kind, const QString& heading, const char* listName, const char* stem);
    void showList(MaterialKind kind);
    void showLibrary();
    int selectedPosition(MaterialKind kind) const;
    void deleteSelected(MaterialKind kind);

    Session* m_session;
    std::array<QListWidget*, 4> m_lists{};
    std::array<MaterialDialog*, 4> m_dialogs{};
};

} // namespace brisko::gui
