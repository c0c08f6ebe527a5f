import QtQuick
import "../basic"
import "../common"

// Stands in for the profile page until it is built: it keeps the profile list
// (display names and numbers) that the title bar's drop-down shows.
PageStandIn {
    id: page

    property var names: []
    property var numbers: []

    signal profileChosen(int number)

    function init() {
        const stored = ui_View.getNameList(2)
        // A one-entry list is stored with a sentinel as its second entry.
        const list = stored.length === 2 && stored[1] === "loaderzephyx" ? [stored[0]] : stored
        const shownNames = []
        const shownNumbers = []
        for (const entry of list) {
            shownNames.push(String(entry).slice(0, -1))
            shownNumbers.push(Number(String(entry).slice(-1)))
        }
        names = shownNames.length ? shownNames : ["Standard"]
        numbers = shownNumbers.length ? shownNumbers : [0]
    }

    width: 415
    height: 288
    visible: false
    pageName: "Profiles"

    MouseArea {
        anchors.fill: parent
        onClicked: page.close()
    }
}
