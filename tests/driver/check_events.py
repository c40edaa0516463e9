#!/usr/bin/env python3
"""Fails while an event the library declares is neither a row of the event
table (tests/driver/EventRows.cpp) nor among the events that cannot fire there
(NOT_FIRED below, each with its reason), or while a control class of the
library is in no driver maker list (tests/<folder>/DriverMakers.cpp) and not
among the classes left out (LEFT_OUT). Usage: check_events.py SOURCE_DIR"""
import glob, os, re, sys

FOLDERS = ("classlib", "skin", "skinctrls", "skininputs", "components")

# Events no row can raise, and why.
NOT_FIRED = {
    "OnCreate": "raised inside the form's constructor, before a program can set a handler",
    "OnException": "the application's exception event is the table's own trap",
    "OnActiveChange": "a data link's own event, set by the data-aware control that owns the link",
    "OnEditingChange": "a data link's own event, set by the data-aware control that owns the link",
    "OnInternalChange": "the images menu's link to its menu button, set by the button",
    "OnInternalMenuClose": "the images menu's link to its menu button, set by the button",
}

# Control classes the driver does not make, and why.
LEFT_OUT = {
    "TspHueRingImage": "a part of the colour dialog, made by it",
    "TMsgForm": "the notice window of THyMsgForm, made by it",
    "TForm": "made by the form makers (tests/driver/Makers.cpp)",
    "TspSkinMDITabsBar": "made with the MDI frame (tests/driver/Makers.cpp)",
}
# Windows and parts a control makes for itself (drop-downs, hints, popups,
# inner lists and buttons): the driver reaches them through their control.
LEFT_OUT.update({c: "a part its control makes" for c in (
    "TBtnWinControl", "THintWindow", "TfcComboButton", "TfcComboPopupList", "TfcDropDownButton",
    "TfcImagerWinControl", "TfcPopupPanel", "TfcPopupTreeView", "TfcTreeHintWindow", "TspColorViewer",
    "TspEmptyControl", "TspLayerWindow", "TspListBox", "TspSkinHintWindow", "TspSkinImagesMenuPopupWindow",
    "TspSkinPopupWindow")})


def headers(root):
    for folder in FOLDERS:
        yield from glob.glob(os.path.join(root, folder, "**", "*.h"), recursive=True)


def declared_events(root):
    decl = re.compile(r"^\s*(?:T\w*(?:Event|Notify)\w*|TEvent<.*>)\s+((?:On|Before|After)[A-Z]\w*"
                      r"(?:\s*,\s*(?:On|Before|After)[A-Z]\w*)*)\s*[;={]")
    names = set()
    for h in headers(root):
        for line in open(h, encoding="utf-8", errors="replace"):
            m = decl.match(line)
            if m:
                names.update(re.split(r"\s*,\s*", m.group(1)))
    return names


def control_classes(root):
    """Concrete classes that derive from TControl: not named TCustom*/T*Base,
    and declaring no pure virtual function."""
    bases, abstract = {}, set()
    for h in headers(root):
        src = open(h, encoding="utf-8", errors="replace").read()
        for m in re.finditer(r"^class (\w+)(?: final)? : public (\w+)[^{;]*\{(.*?)^\};", src, re.S | re.M):
            bases[m.group(1)] = m.group(2)
            if re.search(r"\)\s*(?:const\s*)?=\s*0\s*;", m.group(3)):
                abstract.add(m.group(1))

    def is_control(c):
        while c in bases:
            if c == "TControl":
                return True
            c = bases[c]
        return c == "TControl"

    return {c for c in bases if is_control(c) and c not in abstract and not re.match(r"T(\w+)?Custom", c)
            and not c.endswith("Base") and c not in ("TControl", "TWinControl", "TGraphicControl", "TCustomControl")}


def main(root):
    problems = []
    rows = open(os.path.join(root, "tests/driver/EventRows.cpp"), encoding="utf-8").read()
    in_table = set(re.findall(r"\b(?:ROW(?:_SET)?\([^,]+,\s*\w+,\s*|\.)((?:On|Before|After)[A-Z]\w*)\b", rows))
    for name in sorted(declared_events(root) - in_table - set(NOT_FIRED)):
        problems.append("event %s: add a row to tests/driver/EventRows.cpp (or the reason it cannot fire here)" % name)
    listed = set()
    for f in glob.glob(os.path.join(root, "tests", "*", "DriverMakers.cpp")) + [os.path.join(root, "tests/driver/Makers.cpp")]:
        listed.update(re.findall(r"(?:Control|Sheet|Menu)<(\w+)", open(f, encoding="utf-8").read()))
    for c in sorted(control_classes(root) - listed - set(LEFT_OUT)):
        problems.append("control %s: add it to its folder's tests/<folder>/DriverMakers.cpp" % c)
    for p in problems:
        print(p)
    print("%d events declared, %d named by the table's rows, %d that cannot fire there; %s" %
          (len(declared_events(root)), len(in_table), len(NOT_FIRED), "ok" if not problems else "%d problems" % len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")))
