#!/usr/bin/env python3
"""Writes variations of upload files for tools/check-schema-agreement.sh.

    tools/make-schema-variations.py OUT_DIR [FILE...]

Each element of each FILE is in turn removed, doubled, moved before its previous
sibling, moved to the front of its parent, emptied, given text, given a delete
attribute (true, or a value that is no boolean) and renamed. Every variation is one
file in OUT_DIR; identical variations are written once. Without FILEs the accept-*
files of tests/validation/data and the examples are used.
"""

import hashlib
import pathlib
import sys
from xml.dom import minidom

ROOT = pathlib.Path(__file__).resolve().parent.parent


def element_children(node):
    return [child for child in node.childNodes if child.nodeType == child.ELEMENT_NODE]


def all_elements(document):
    found = []
    pending = [document.documentElement]
    while pending:
        element = pending.pop()
        found.append(element)
        pending.extend(reversed(element_children(element)))
    return found


def remove(element):
    element.parentNode.removeChild(element)


def double(element):
    element.parentNode.insertBefore(element.cloneNode(True), element)


def move_back(element):
    siblings = element_children(element.parentNode)
    index = siblings.index(element)
    if index == 0:
        return False
    element.parentNode.insertBefore(element, siblings[index - 1])
    return True


def move_to_front(element):
    first = element_children(element.parentNode)[0]
    if first is element:
        return False
    element.parentNode.insertBefore(element, first)
    return True


def empty(element):
    if not element.childNodes:
        return False
    while element.firstChild is not None:
        element.removeChild(element.firstChild)
    return True


def add_text(element):
    element.appendChild(element.ownerDocument.createTextNode("x"))


def delete_true(element):
    element.setAttribute("delete", "true")


def delete_not_boolean(element):
    element.setAttribute("delete", "yes")


def rename(element):
    element.tagName = element.nodeName = element.tagName + "_x"


MUTATIONS = {
    "remove": remove,
    "double": double,
    "back": move_back,
    "front": move_to_front,
    "empty": empty,
    "text": add_text,
    "delete": delete_true,
    "badbool": delete_not_boolean,
    "rename": rename,
}


def variations(path):
    """Yields (name, bytes) for every variation of the file at `path`."""
    text = path.read_bytes()
    count = len(all_elements(minidom.parseString(text)))
    for index in range(count):
        for label, mutate in MUTATIONS.items():
            document = minidom.parseString(text)
            element = all_elements(document)[index]
            is_root = element is document.documentElement
            if is_root and label in ("remove", "double", "back", "front"):
                continue
            if mutate(element) is False:
                continue
            yield f"{path.stem}-{index}-{label}.xml", document.toxml("utf-8")


def main(arguments):
    if not arguments:
        sys.exit(__doc__)
    out_dir = pathlib.Path(arguments[0])
    inputs = [pathlib.Path(name) for name in arguments[1:]]
    if not inputs:
        inputs = sorted((ROOT / "tests/validation/data").glob("accept-*.xml"))
        inputs += sorted((ROOT / "examples").glob("*.xml"))
    out_dir.mkdir(parents=True, exist_ok=True)
    seen = set()
    for path in inputs:
        for name, data in variations(path):
            digest = hashlib.sha256(data).digest()
            if digest not in seen:
                seen.add(digest)
                (out_dir / name).write_bytes(data)
    print(f"{len(seen)} variations of {len(inputs)} files written to {out_dir}")


if __name__ == "__main__":
    main(sys.argv[1:])
