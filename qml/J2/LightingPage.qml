import QtQuick
import "../basic"

// Stands in for the Lighting page until it is built.
PageStandIn {
    width: 232
    height: 268
    pageName: "Lighting"
}
