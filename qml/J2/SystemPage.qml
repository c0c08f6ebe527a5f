import QtQuick
import KM7
import "../basic"
import "../common/texts.mjs" as Texts

// Stands in for the system settings dialog until its pointer settings are
// built; it already offers starting with the desktop session.
PageStandIn {
    id: page

    property var texts: Texts.builtIn("systemSetting")

    function text(id) {
        return texts[Texts.indexOf("systemSetting", id)]
    }

    function init(isSendData, isRecovery) {
        autostart.checked = Km7.autostartEnabled()
    }

    width: 420
    height: 300
    visible: false
    pageName: text("title")

    CheckBox {
        id: autostart
        objectName: "autostartBox"
        x: 24
        y: parent.height - 52
        width: parent.width - 48
        text: page.text("autostart")
        onToggled: checked => {
            if (!Km7.setAutostart(checked))
                autostart.checked = Km7.autostartEnabled()
        }
    }

    TextButton {
        anchors.right: parent.right
        anchors.rightMargin: 16
        y: 12
        width: 24
        text: "×"
        onClicked: page.close()
    }
}
