import QtQuick
import "../basic"

// Stands in for the Macro editor dialog until it is built.
PageStandIn {
    width: 640
    height: 448
    visible: false
    pageName: "Macro editor"

    // Whether key events go to the editor (recording or inserting with a macro chosen).
    property bool capturing: false

    signal deleteMacro(string name)
    signal modifyMacroName(string oldName, string newName)
    signal modifyMacroData(string name)

    function keyEvent(isDown, usbCode) {
    }

    // Sends the named macro to the macro slot of button index.
    function sendMacro(index, name) {
    }

    MouseArea {
        anchors.fill: parent
        onClicked: parent.close()
    }
}
