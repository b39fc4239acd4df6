#include "sheerpane/server/TypeDescription.h"

namespace sheerpane {

const TypeDescription& sheerpaneType()
{
    static const TypeDescription type{
        "SheerpaneLib",
        "Sheerpane",
        "SheerpaneLib.Sheerpane",
        1,
        0,
        Guid{0x9030E8DF, 0x3D8A, 0x4EF5, {0xB6, 0x32, 0x2B, 0xAC, 0x10, 0x76, 0x2D, 0x6E}},
        Guid{0xA27F1D62, 0x732B, 0x4D9A, {0xAD, 0xCC, 0xF5, 0xA8, 0x25, 0x7D, 0xF2, 0xB5}},
        {
            {"AppearanceConstants", {{"Flat", 0, "Flat"}, {"ThreeD", 1, "3D"}}},
            {"BackStyleConstants", {{"Transparent", 0, "Transparent"}, {"Opaque", 1, "Opaque"}}},
            {"BorderStyles", {{"None", 0, "None"}, {"FixedSingle", 1, "Fixed Single"}}},
        },
        {
            {"BackColor", "colour"},
            {"ForeColor", "colour"},
            {"Enabled", "boolean"},
            {"Font", "font"},
            {"BorderStyle", "BorderStyles"},
            {"Caption", "text"},
            {"Appearance", "AppearanceConstants"},
            {"Controls", "controls", true},
            {"FontUnderline", "boolean"},
            {"FontTransparent", "boolean"},
            {"FontStrikethru", "boolean"},
            {"FontSize", "single"},
            {"FontName", "text"},
            {"FontItalic", "boolean"},
            {"FontBold", "boolean"},
            {"hWnd", "int32", true},
            {"MouseIcon", "picture"},
            {"MousePointer", "int16"},
            {"BackStyle", "BackStyleConstants"},
        },
        {
            {"Click", 1, {}},
            {"DblClick", 2, {}},
            {"KeyDown", 3, {{"KeyCode", "int16"}, {"Shift", "int16"}}},
            {"KeyPress", 4, {{"KeyAscii", "int16"}}},
            {"KeyUp", 5, {{"KeyCode", "int16"}, {"Shift", "int16"}}},
            {"MouseDown", 6, {{"Button", "int16"}, {"Shift", "int16"}, {"X", "single"}, {"Y", "single"}}},
            {"MouseMove", 7, {{"Button", "int16"}, {"Shift", "int16"}, {"X", "single"}, {"Y", "single"}}},
            {"MouseUp", 8, {{"Button", "int16"}, {"Shift", "int16"}, {"X", "single"}, {"Y", "single"}}},
        },
    };
    return type;
}

} // namespace sheerpane
