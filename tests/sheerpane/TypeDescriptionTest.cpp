// The type description registering writes agrees with the control itself:
// its Qt properties, enumerations and signals, which is what hosts use.

#include <gtest/gtest.h>

#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>

#include "sheerpane/Sheerpane.h"
#include "sheerpane/server/Registration.h"
#include "sheerpane/server/TypeDescription.h"

namespace {

using sheerpane::sheerpaneType;

TEST(TypeDescription, PropertiesAreTheControlsInInterfaceOrder)
{
    const QMetaObject& meta = Sheerpane::staticMetaObject;
    std::vector<std::pair<std::string, bool>> control;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        control.emplace_back(meta.property(i).name(), !meta.property(i).isWritable());
    std::vector<std::pair<std::string, bool>> described;
    for (const auto& property : sheerpaneType().properties)
        described.emplace_back(property.name, property.readOnly);
    EXPECT_EQ(control, described);
}

TEST(TypeDescription, EnumerationsHaveTheControlsIdentifiersAndThePartsSpellings)
{
    const QMetaObject& meta = Sheerpane::staticMetaObject;
    for (const auto& enumeration : sheerpaneType().enumerations) {
        const int index = meta.indexOfEnumerator(enumeration.name.c_str());
        ASSERT_GE(index, 0) << enumeration.name;
        const QMetaEnum metaEnum = meta.enumerator(index);
        ASSERT_EQ(metaEnum.keyCount(), static_cast<int>(enumeration.members.size()));
        for (int k = 0; k < metaEnum.keyCount(); ++k) {
            EXPECT_EQ(metaEnum.key(k), enumeration.members[static_cast<std::size_t>(k)].identifier);
            EXPECT_EQ(metaEnum.value(k), enumeration.members[static_cast<std::size_t>(k)].value);
        }
    }
    const auto spelling = [](const char* enumeration, const char* identifier) {
        for (const auto& e : sheerpaneType().enumerations)
            for (const auto& m : e.members)
                if (e.name == enumeration && m.identifier == identifier)
                    return m.spelling;
        return std::string();
    };
    EXPECT_EQ(spelling("AppearanceConstants", "ThreeD"), "3D");
    EXPECT_EQ(spelling("BorderStyles", "FixedSingle"), "Fixed Single");
}

TEST(TypeDescription, EventsAreTheControlsSignalsOneToEightWithReferenceArguments)
{
    const QMetaObject& meta = Sheerpane::staticMetaObject;
    int id = 1;
    for (const auto& event : sheerpaneType().events) {
        EXPECT_EQ(event.id, id++);
        std::string signature = event.name + "(";
        for (std::size_t i = 0; i < event.arguments.size(); ++i) {
            signature += i ? "," : "";
            signature += event.arguments[i].type == "single" ? "float&" : "qint16&";
        }
        signature += ")";
        const int index = meta.indexOfSignal(QMetaObject::normalizedSignature(signature.c_str()));
        EXPECT_GE(index, 0) << signature;
    }
    EXPECT_EQ(id, 9);
}

TEST(Registration, WritesTheClassItsNameItsLibraryAndTheDescription)
{
    const auto sections = sheerpane::registrationSections(sheerpaneType(), "/opt/x/libSheerpaneLib.so");
    sheerpane::Registry registry;
    for (const auto& section : sections)
        registry.put(section);
    const std::string text = sheerpane::writeRegistryText(registry);
    for (const char* line :
         {"[Classes/{9030E8DF-3D8A-4EF5-B632-2BAC10762D6E}]\nName = \"Sheerpane\"\nProgID = \"SheerpaneLib.Sheerpane\"\n"
          "Library = \"/opt/x/libSheerpaneLib.so\"\n",
          "[ProgIDs/SheerpaneLib.Sheerpane]\nClass = \"{9030E8DF-3D8A-4EF5-B632-2BAC10762D6E}\"\n",
          "ThreeD = 1 \"3D\"\n", "FixedSingle = 1 \"Fixed Single\"\n", "hWnd = \"int32\" \"get\"\n",
          "Caption = \"text\" \"get\" \"set\"\n",
          "KeyDown = 3 \"KeyCode int16 by-reference\" \"Shift int16 by-reference\"\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

} // namespace
