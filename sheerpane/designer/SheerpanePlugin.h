#pragma once
// The library as a Qt Designer plugin: Designer (and QUiLoader) can place a
// Sheerpane on a form and keep its properties in the .ui file. In Designer
// the controls it makes are in design mode; everywhere else (QUiLoader in a
// running program) in run mode.

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class SheerpanePlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit SheerpanePlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    QString domXml() const override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;

private:
    bool initialized_ = false;
    bool inDesigner_ = false;
};
