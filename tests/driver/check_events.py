#!/usr/bin/env python3
"""Fails while an event the library declares (a class and an event name) is
neither raised by a row of the event table (tests/driver/EventRows.cpp) nor
among the events that cannot fire there (NOT_FIRED below, each with its
reason), or while a control or menu class of the library is in no driver
maker list (tests/<folder>/DriverMakers.cpp) and not among the classes left
out (LEFT_OUT). Classes are followed through their bases as the compiler
follows them, class templates and their arguments included.
Usage: check_events.py SOURCE_DIR"""
import glob, os, re, sys

FOLDERS = ("classlib", "skin", "skinctrls", "skininputs", "components")

# Events no row can raise ("Class.OnEvent", the class that declares it), and why.
NOT_FIRED = {
    "TCustomForm.OnCreate": "raised inside the form's constructor, before a program can set a handler",
    "TApplication.OnException": "the application's exception event is the table's own trap",
}
NOT_FIRED.update({"TFieldDataLink." + e: "a data link's own event, set by the data-aware control that owns the link"
                  for e in ("OnActiveChange", "OnEditingChange", "OnDataChange", "OnUpdateData")})
NOT_FIRED.update({e: "a plain object's change notice, no component's event: what holds the object (a canvas its "
                  "font, pen and brush, a control its glyph, picture, items or options) sets it for itself" for e in (
                      "TCanvas.OnChange", "TCanvas.OnChanging", "TGraphic.OnChange", "TGraphicsObject.OnChange",
                      "TPicture.OnChange", "TStringList.OnChange", "TStringList.OnChanging", "TfcBitmapOptions.OnChange")})
NOT_FIRED.update({
    "TspSkinImagesMenu.OnInternalChange": "the images menu's link to its menu button, set by the button",
    "TspSkinImagesMenu.OnInternalMenuClose": "the images menu's link to its menu button, set by the button",
})

# Control and menu classes the driver does not make, and why.
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
    "TspSkinPopupWindow", "TspGroupButton", "TspPopupCalendar", "TspPopupListBox", "TspSkinPopupTrackBar")})
# Bases the skinned controls share: the driver makes them through those.
LEFT_OUT.update({c: "a base of the skinned controls, made through them" for c in (
    "TspSkinControl", "TspGraphicSkinControl", "TspSkinBarControl")})

# What a listed class derives from.
ROOTS = ("TControl", "TMenu")

EVENT_DECL = re.compile(r"^\s*(?:T\w*(?:Event|Notify)\w*|TEvent<.*>)\s+((?:On|Before|After)[A-Z]\w*"
                        r"(?:\s*,\s*(?:On|Before|After)[A-Z]\w*)*)\s*[;={]", re.M)


def headers(root):
    for folder in FOLDERS:
        yield from glob.glob(os.path.join(root, folder, "**", "*.h"), recursive=True)


def split_top(text):
    """Splits at the commas outside angle brackets."""
    parts, depth, cur = [], 0, ""
    for ch in text:
        depth += (ch == "<") - (ch == ">")
        if ch == "," and depth == 0:
            parts.append(cur.strip())
            cur = ""
        else:
            cur += ch
    return parts + [cur.strip()] if cur.strip() else parts


def parse_type(text):
    """'A<B<C>, D>' -> ('A', ['B<C>', 'D'])."""
    m = re.match(r"\s*(\w+)\s*(?:<(.*)>)?\s*$", text, re.S)
    return (m.group(1), split_top(m.group(2) or "")) if m else (text.strip(), [])


def class_declarations(root):
    """Every class of the headers: name -> (template parameters, base types,
    body). A class template's bases may name its parameters."""
    decl = re.compile(r"^(?:template\s*<([^>]*)>\s*\n)?class (\w+)(?: final)?\s*(?::\s*([^{;]*))?\{(.*?)^\};",
                      re.S | re.M)
    classes = {}
    for h in headers(root):
        src = open(h, encoding="utf-8", errors="replace").read()
        for m in decl.finditer(src):
            params = [p.split()[-1] for p in split_top(m.group(1))] if m.group(1) is not None else []
            bases = [re.sub(r"^(?:(?:public|protected|private|virtual)\s+)+", "", b)
                     for b in split_top(m.group(3) or "")]
            classes[m.group(2)] = (params, bases, m.group(4))
    return classes


def substitute(type_text, env):
    head, args = parse_type(type_text)
    if head in env and not args:
        return env[head]
    return head + ("<%s>" % ", ".join(substitute(a, env) for a in args) if args else "")


def ancestry(classes, type_text):
    """The class type_text names and all its bases, nearest first (depth
    first, in declaration order); a template's bases with its arguments in
    place of its parameters."""
    head, args = parse_type(type_text)
    yield head
    if head in classes:
        params, bases, _ = classes[head]
        env = dict(zip(params, args))
        for b in bases:
            yield from ancestry(classes, substitute(b, env))


def control_classes(classes):
    """Concrete classes that derive from a root: no templates, declaring no
    pure virtual function, and not a base named TCustom*/T*Base (a class of
    such a name that nothing derives from is a control of its own)."""
    bases = {n for _, bs, _ in classes.values() for b in bs for n in re.findall(r"\w+", b)}
    return {c for c, (params, _, body) in classes.items()
            if not params and any(a in ROOTS for a in ancestry(classes, c))
            and not re.search(r"\)\s*(?:const\s*)?=\s*0\s*;", body)
            and not ((re.match(r"T(\w+)?Custom", c) or c.endswith("Base")) and c in bases)
            and c not in ("TControl", "TWinControl", "TGraphicControl", "TCustomControl") + ROOTS}


def declared_events(classes):
    """{(class, event)} of every event a class declares."""
    return {(c, e) for c, (_, _, body) in classes.items()
            for m in EVENT_DECL.finditer(body) for e in re.split(r"\s*,\s*", m.group(1))}


def declaring_class(classes, declared, cls, event):
    """The class whose event cls.event names, as member lookup finds it (the
    nearest class of cls's ancestry that declares it); None when none does."""
    return next((a for a in ancestry(classes, cls) if (a, event) in declared), None)


def row_events(rows):
    """(class, event) of every row: ROW/ROW_SET's class and event, and the
    "Class.OnEvent" names of the rows whose event is another object's."""
    named = re.findall(r"\bROW(?:_SET)?\(\s*\"[^\"]*\",\s*(\w+),\s*(\w+)", rows)
    named += re.findall(r"\bROW_ON\(\s*\"(\w+)\.(\w+)\"", rows)
    return named


def main(root):
    problems = []
    classes = class_declarations(root)
    declared = declared_events(classes)
    rows = open(os.path.join(root, "tests/driver/EventRows.cpp"), encoding="utf-8").read()
    covered = set()
    for cls, event in row_events(rows):
        owner = declaring_class(classes, declared, cls, event)
        if owner is None:
            problems.append("row %s.%s: %s has no such event" % (cls, event, cls))
        covered.add("%s.%s" % (owner, event))
    for key in sorted(NOT_FIRED):
        if tuple(key.split(".")) not in declared:
            problems.append("NOT_FIRED names %s, which no class declares" % key)
    for c, e in sorted(declared):
        key = "%s.%s" % (c, e)
        if key not in covered and key not in NOT_FIRED:
            problems.append("event %s: add a row to tests/driver/EventRows.cpp (or the reason it cannot fire here)" % key)
    listed = set()
    for f in glob.glob(os.path.join(root, "tests", "*", "DriverMakers.cpp")) + [os.path.join(root, "tests/driver/Makers.cpp")]:
        # The makers of the lists (Control<T>, Sheet<T, Pages>, Menu<T>), not other calls of a maker.
        listed.update(re.findall(r"(?<![\w:])(?:Control|Sheet|Menu)<(\w+)", open(f, encoding="utf-8").read()))
    controls = control_classes(classes)
    for c in sorted(controls - listed - set(LEFT_OUT)):
        problems.append("control %s: add it to its folder's tests/<folder>/DriverMakers.cpp" % c)
    for c in sorted(set(LEFT_OUT) - controls):
        problems.append("LEFT_OUT names %s, which is no control or menu class" % c)
    for p in problems:
        print(p)
    print("%d events declared, %d raised by the table's rows, %d that cannot fire there; %d control and menu "
          "classes, %d left out; %s" % (len(declared), len(covered), len(NOT_FIRED), len(controls), len(LEFT_OUT),
                                        "ok" if not problems else "%d problems" % len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")))
