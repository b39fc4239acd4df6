#include "sheerpane/designer/SheerpanePlugin.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "sheerpane/Sheerpane.h"

SheerpanePlugin::SheerpanePlugin(QObject* parent) : QObject(parent) {}

QString SheerpanePlugin::name() const { return QStringLiteral("Sheerpane"); }
QString SheerpanePlugin::group() const { return QStringLiteral("Containers"); }

QString SheerpanePlugin::toolTip() const
{
    return QStringLiteral("A frame that shows the form behind it");
}

QString SheerpanePlugin::whatsThis() const
{
    return QStringLiteral("Sheerpane: a container frame with an etched border and a caption set into its top edge. "
                          "With BackStyle Transparent its background shows the form behind it when the program "
                          "runs.");
}

// Forms holding the control are loaded with QUiLoader; the class itself is
// not part of the library's interface.
QString SheerpanePlugin::includeFile() const { return QStringLiteral("SheerpaneLib.h"); }

QIcon SheerpanePlugin::icon() const
{
    // An etched frame with a caption gap.
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(1, 4, 19, 16);
    painter.setPen(Qt::white);
    painter.drawRect(2, 5, 19, 16);
    painter.fillRect(4, 2, 9, 5, QColor(30, 90, 200));
    return QIcon(pixmap);
}

bool SheerpanePlugin::isContainer() const { return true; }

QWidget* SheerpanePlugin::createWidget(QWidget* parent)
{
    auto* pane = new Sheerpane(parent);
    pane->setDesignMode(inDesigner_);
    return pane;
}

QString SheerpanePlugin::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"Sheerpane\" name=\"sheerpane\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>160</width><height>100</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n");
}

bool SheerpanePlugin::isInitialized() const { return initialized_; }

// Designer calls this with its core; QUiLoader never does.
void SheerpanePlugin::initialize(QDesignerFormEditorInterface* core)
{
    initialized_ = true;
    inDesigner_ = core != nullptr;
}
