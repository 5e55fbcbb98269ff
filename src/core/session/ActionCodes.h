#pragma once
// The records the program writes for its own actions: stage, code and description
// of each, named once. Records of typed values, drawn points and materials take
// their codes from the field, the outline or the material.
#include <QString>

namespace brisko {

struct Action {
    int Stage;
    int Code;
    const char* Description;
    QString description() const { return QString::fromLatin1(Description); }
};

namespace actions {
// The program's run and the design list's box.
inline constexpr Action ProgramStart{-1, 61, "ProgramStart"};
inline constexpr Action ProgramEnd{-1, 62, "ProgramEnd"};
inline constexpr Action SetCarName{-1, 0, "SetCarName"};
// The design list and the menus.
inline constexpr Action NewDesign{-2, 63, "NewAction"};
inline constexpr Action OpenDesign{-2, 64, "OpenAction"};
inline constexpr Action SaveDesign{-2, 65, "SaveAction"};
inline constexpr Action RemoveDesign{-2, 66, "RemoveAction"};
inline constexpr Action RenameDesign{-2, 67, "RenameAction"};
inline constexpr Action ChangeDesign{-2, 69, "DesignListAction"};
inline constexpr Action PowerDesign{-2, 70, "PowerDesign"};
inline constexpr Action ViewPortfolio{-2, 71, "ViewDP"};
// The charts and the teacher's setting, codes of our own (listed in the README).
inline constexpr Action OpenChart{-2, 120, "Chart"};
inline constexpr Action ExportChartCsv{-2, 121, "ExportChartCSV"};
inline constexpr Action PrintChart{-2, 122, "PrintChart"};
inline constexpr Action PowerDesignerSetting{-2, 123, "ShowPowerDesigner"};
// Undo and Redo of a design step, codes of our own (listed in the README).
inline constexpr Action UndoStep{-2, 130, "Undo"};
inline constexpr Action RedoStep{-2, 131, "Redo"};
// The design-process states, entered and worked in.
inline constexpr Action SetState{1, 101, "VPSet"};
inline constexpr Action BuildState{3, 201, "VPBuild"};
inline constexpr Action PropertiesState{4, 301, "VPProperties"};
inline constexpr Action DynamicState{5, 401, "VPDynamic"};
inline constexpr Action RaceState{6, 501, "VPRace"};
inline constexpr Action PreviewState{7, 601, "VPPreview"};
inline constexpr Action PrintState{8, 701, "VPPrint"};
} // namespace actions

} // namespace brisko
