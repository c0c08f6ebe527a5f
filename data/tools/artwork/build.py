import os, json
import ui, mouse
OUT = ui.OUT
ui.all_ui()
areas = mouse.build()
names = ["left", "right", "wheel", "back", "forward", "dpiUp", "dpiDown", "fire"]
labels = ["left click", "right click", "wheel / middle click", "back (rear thumb button)",
          "forward (front thumb button)", "DPI+ (behind the wheel)", "DPI- (behind DPI+)",
          "fire key (small top button at the left click's outer edge)"]
data = {
    "views": {
        "front": {"image": "MouseFront.svg", "overlay": "Mouse%1S.svg", "width": mouse.FW, "height": mouse.FH},
        "side": {"image": "MouseSide.svg", "overlay": "MouseSide%1S.svg", "width": mouse.SW, "height": mouse.SH},
    },
    "buttons": [
        {"index": i, "name": names[i], "description": labels[i],
         "front": areas[i]["front"], "side": areas[i]["side"]} for i in range(8)
    ],
}
def dump(o, ind=0):
    # compact rectangles on one line, the rest indented
    if isinstance(o, dict) and set(o) == {"x", "y", "width", "height"}:
        return json.dumps(o)
    if isinstance(o, dict):
        pad = "  " * (ind + 1)
        return "{\n" + ",\n".join(pad + json.dumps(k) + ": " + dump(v, ind + 1) for k, v in o.items()) + "\n" + "  " * ind + "}"
    if isinstance(o, list):
        pad = "  " * (ind + 1)
        return "[\n" + ",\n".join(pad + dump(v, ind + 1) for v in o) + "\n" + "  " * ind + "]"
    return json.dumps(o)
with open(os.path.join(OUT, "mouse-areas.json"), "w") as f:
    f.write(dump(data) + "\n")
svgs = sorted(n for n in os.listdir(OUT) if n.endswith(".svg"))
with open(os.path.join(OUT, "images.qrc"), "w") as f:
    f.write("<RCC>\n    <qresource prefix=\"/modules/img\">\n")
    for n in svgs + ["mouse-areas.json"]:
        f.write("        <file>%s</file>\n" % n)
    f.write("    </qresource>\n</RCC>\n")
print(len(svgs), "svg")
