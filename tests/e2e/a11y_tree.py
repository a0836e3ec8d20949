#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads kadrel's accessibility tree over AT-SPI.

  a11y_tree.py dump            every object: role, name, value, description
  a11y_tree.py get NAME        one object by accessible name: value, range, states, text
  a11y_tree.py wait NAME KEY=VALUE
                               waits until that object's KEY reads VALUE
  a11y_tree.py table NAME ROW COLUMN
                               a table's size, and one cell with its row and column heads
  a11y_tree.py focused         the name of the object that has the keyboard
  a11y_tree.py markup          every object whose name or description holds a
                               markup tag, which a screen reader would speak
  a11y_tree.py listen SECONDS  prints the change events of that time, one a line:
                               event type, then the source's name

Objects are found by accessible name under the application called kadrel*.
"""
import re
import sys
import time

import pyatspi


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and (app.name or "").startswith("kadrel"):
                return app
        time.sleep(0.1)
    sys.exit("no kadrel application on the accessibility bus")


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def number(v):
    return "%.6g" % v


def properties(node):
    """Everything the tests compare, as text."""
    out = {
        "role": node.getRoleName(),
        "name": node.name or "",
        "description": node.description or "",
    }
    states = node.getState()
    out["readonly"] = str(int(states.contains(pyatspi.STATE_READ_ONLY)))
    out["editable"] = str(int(states.contains(pyatspi.STATE_EDITABLE)))
    out["focused"] = str(int(states.contains(pyatspi.STATE_FOCUSED)))
    try:
        value = node.queryValue()
        out["value"] = number(value.currentValue)
        out["min"] = number(value.minimumValue)
        out["max"] = number(value.maximumValue)
        out["step"] = number(value.minimumIncrement)
    except NotImplementedError:
        pass
    try:
        text = node.queryText()
        out["text"] = text.getText(0, -1)
    except NotImplementedError:
        pass
    return out


def find(name):
    for node, _ in walk(application()):
        if node.name == name:
            return node
    return None


def oneline(text):
    return text.replace("\n", "\\n")


def dump():
    for node, depth in walk(application()):
        p = properties(node)
        fields = [p["role"], repr(p["name"])]
        if "value" in p:
            fields.append("value=%s [%s..%s step %s]" % (p["value"], p["min"], p["max"], p["step"]))
        if p["readonly"] == "1":
            fields.append("read-only")
        if p["description"]:
            fields.append("description=" + repr(oneline(p["description"])))
        if "text" in p and p["text"] != p["name"]:
            fields.append("text=" + repr(oneline(p["text"])))
        print("  " * depth + " ".join(fields))


def focused():
    for node, _ in walk(application()):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node.name
    return ""


def markup():
    tag = re.compile(r"</?[A-Za-z][^<>]*>")
    for node, _ in walk(application()):
        p = properties(node)
        for key in ("name", "description"):
            if tag.search(p[key]):
                print("%s %r %s=%r" % (p["role"], p["name"], key, oneline(p[key])))


def listen(seconds):
    from gi.repository import GLib

    def show(event):
        name = event.source.name if event.source else ""
        print("%s %s" % (event.type, oneline(name or "")), flush=True)

    kinds = ["object:property-change:accessible-value", "object:value-changed",
             "object:property-change:accessible-description", "object:text-changed:insert"]
    pyatspi.Registry.registerEventListener(show, *kinds)
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main():
    command = sys.argv[1] if len(sys.argv) > 1 else "dump"
    if command == "dump":
        dump()
    elif command == "get":
        node = find(sys.argv[2])
        if node is None:
            sys.exit("no object named %r" % sys.argv[2])
        for key, value in properties(node).items():
            print("%s=%s" % (key, oneline(value)))
    elif command == "table":
        node = find(sys.argv[2])
        if node is None:
            sys.exit("no object named %r" % sys.argv[2])
        table = node.queryTable()
        row, column = int(sys.argv[3]), int(sys.argv[4])
        print("rows=%d" % table.nRows)
        print("columns=%d" % table.nColumns)
        print("row=%s" % table.getRowDescription(row))
        print("column=%s" % table.getColumnDescription(column))
        print("cell=%s" % table.getAccessibleAt(row, column).name)
    elif command == "focused":
        print(focused())
    elif command == "markup":
        markup()
    elif command == "listen":
        application()
        listen(float(sys.argv[2]))
    elif command == "wait":
        key, _, wanted = sys.argv[3].partition("=")
        seen = None
        for _ in range(100):
            node = find(sys.argv[2])
            seen = properties(node).get(key) if node is not None else None
            if seen == wanted:
                return
            time.sleep(0.1)
        sys.exit("%s %s is %r, not %r" % (sys.argv[2], key, seen, wanted))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
