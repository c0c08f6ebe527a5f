import QtQuick
import "../basic"

// Stands in for the Button list page until it is built.
PageStandIn {
    width: 232
    height: 300
    pageName: "Button list"

    // The 16 assignments (64 values), the factory ones, and each button's text.
    property var modKeys: []
    property var modKeys_tmp: []
    property var keyTexts: []

    function saveList() {
    }
}
