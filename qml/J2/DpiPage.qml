import QtQuick
import "../basic"

// Stands in for the DPI settings page until it is built.
PageStandIn {
    width: 232
    height: 268
    pageName: "DPI settings"

    // Index of the stage the mouse uses.
    property int currentStage: 0
}
