#!/usr/bin/python3
"""Writes the sample drawings shown on the first start of Tessvane.

    tessvane-samples.py [OUTPUT_FOLDER]     (default: samples/ of the source tree)

Three DXF drawings in the 2007 format (texts in UTF-8): a floor plan, a mechanical part
and a drawing frame with a title block in Chinese. Together they hold lines, circles,
arcs, polylines, texts and block inserts on several layers, with by-layer and explicit
colours and a centre linetype. The output is the same on every run.
"""
import math
import pathlib
import sys

import ezdxf

ezdxf.options.write_fixed_meta_data_for_testing = True


def new_drawing(layers):
    doc = ezdxf.new("R2007", setup=["linetypes"])
    doc.header["$INSUNITS"] = 4  # millimetres
    for name, colour, linetype in layers:
        doc.layers.add(name, color=colour, linetype=linetype)
    return doc


def door_block(doc):
    """A 900 mm door leaf with its swing, inserted with its hinge at the origin."""
    block = doc.blocks.new("DOOR")
    block.add_line((0, 0), (0, 900), dxfattribs={"layer": "0"})
    block.add_arc((0, 0), 900, 0, 90, dxfattribs={"layer": "0"})
    return block


def floor_plan():
    doc = new_drawing([("WALLS", 7, "Continuous"), ("DOORS", 3, "Continuous"),
                       ("TEXT", 2, "Continuous"), ("FURNITURE", 8, "Continuous")])
    door_block(doc)
    msp = doc.modelspace()
    outer = [(0, 0), (12000, 0), (12000, 8000), (0, 8000)]
    inner = [(240, 240), (11760, 240), (11760, 7760), (240, 7760)]
    msp.add_lwpolyline(outer, close=True, dxfattribs={"layer": "WALLS"})
    msp.add_lwpolyline(inner, close=True, dxfattribs={"layer": "WALLS"})
    for x in (5000, 5240):  # the wall between living room and bedrooms
        msp.add_line((x, 240), (x, 7760), dxfattribs={"layer": "WALLS"})
    for y in (4000, 4240):  # the wall between the two bedrooms
        msp.add_line((5240, y), (11760, y), dxfattribs={"layer": "WALLS"})
    doors = [((5000, 1200), 0), ((5240, 5200), 0), ((7000, 4000), 90), ((1500, 0), 90)]
    for (x, y), angle in doors:
        msp.add_blockref("DOOR", (x, y), dxfattribs={"layer": "DOORS", "rotation": angle})
    rooms = [("Living room", (2500, 4000)), ("Bedroom 1", (8500, 2100)),
             ("Bedroom 2", (8500, 6000))]
    for name, (x, y) in rooms:
        text = msp.add_text(name, height=250, dxfattribs={"layer": "TEXT"})
        text.set_placement((x, y), align=ezdxf.enums.TextEntityAlignment.MIDDLE_CENTER)
    msp.add_circle((2500, 2000), 600, dxfattribs={"layer": "FURNITURE"})  # a round table
    for i in range(6):
        angle = math.radians(i * 60)
        msp.add_circle((2500 + 900 * math.cos(angle), 2000 + 900 * math.sin(angle)), 180,
                       dxfattribs={"layer": "FURNITURE"})
    msp.add_lwpolyline([(9000, 4600), (11400, 4600), (11400, 6600), (9000, 6600)], close=True,
                       dxfattribs={"layer": "FURNITURE"})  # a bed
    return doc


def mechanical_part():
    doc = new_drawing([("OUTLINE", 7, "Continuous"), ("CENTER", 1, "CENTER"),
                       ("HIDDEN", 4, "DASHED"), ("TEXT", 3, "Continuous")])
    msp = doc.modelspace()
    # A flange: a plate with rounded ends, a bore, a bolt circle and a slot.
    msp.add_lwpolyline([(-60, -40, 0), (60, -40, 1), (60, 40, 0), (-60, 40, 1)], format="xyb",
                       close=True, dxfattribs={"layer": "OUTLINE"})
    msp.add_circle((0, 0), 22, dxfattribs={"layer": "OUTLINE"})
    msp.add_circle((0, 0), 30, dxfattribs={"layer": "HIDDEN"})
    msp.add_circle((0, 0), 50, dxfattribs={"layer": "CENTER"})
    for i in range(4):
        angle = math.radians(45 + i * 90)
        msp.add_circle((50 * math.cos(angle), 50 * math.sin(angle)), 5,
                       dxfattribs={"layer": "OUTLINE", "color": 5})
    msp.add_arc((80, 0), 6, 90, 270, dxfattribs={"layer": "OUTLINE"})
    msp.add_arc((92, 0), 6, 270, 90, dxfattribs={"layer": "OUTLINE"})
    for y in (-6, 6):
        msp.add_line((80, y), (92, y), dxfattribs={"layer": "OUTLINE"})
    msp.add_line((-110, 0), (110, 0), dxfattribs={"layer": "CENTER"})
    msp.add_line((0, -60), (0, 60), dxfattribs={"layer": "CENTER"})
    msp.add_text("FLANGE 120 x 80, 4 x M8 ON PCD 100", height=5,
                 dxfattribs={"layer": "TEXT", "insert": (-60, -60)})
    return doc


def title_block():
    doc = new_drawing([("FRAME", 7, "Continuous"), ("TITLE", 7, "Continuous"),
                       ("TEXT", 2, "Continuous")])
    doc.styles.add("CJK", font="NotoSansCJK-Regular.ttc")
    block = doc.blocks.new("TITLE_BLOCK")
    cells = [(0, 0, 180, 56), (0, 0, 180, 14), (0, 14, 180, 28), (0, 28, 180, 42),
             (0, 0, 30, 56), (100, 0, 130, 42)]
    for x1, y1, x2, y2 in cells:
        block.add_lwpolyline([(x1, y1), (x2, y1), (x2, y2), (x1, y2)], close=True,
                             dxfattribs={"layer": "TITLE"})
    labels = [("设计", 4, 3), ("校对", 4, 17), ("审核", 4, 31), ("比例", 104, 3),
              ("图号", 104, 17), ("日期", 104, 31)]
    for text, x, y in labels:
        block.add_text(text, height=5, dxfattribs={"layer": "TEXT", "style": "CJK",
                                                   "insert": (x, y)})
    msp = doc.modelspace()
    msp.add_lwpolyline([(0, 0), (420, 0), (420, 297), (0, 297)], close=True,
                       dxfattribs={"layer": "FRAME"})
    msp.add_lwpolyline([(25, 5), (415, 5), (415, 292), (25, 292)], close=True,
                       dxfattribs={"layer": "FRAME", "const_width": 0.7})
    msp.add_blockref("TITLE_BLOCK", (235, 5), dxfattribs={"layer": "TITLE"})
    values = [("示例工程 标题栏", 40, 47, 7), ("1:100", 135, 3, 5), ("TV-001", 135, 17, 5),
              ("2026-01-15", 135, 31, 5), ("单位：毫米", 40, 3, 4)]
    for text, x, y, height in values:
        msp.add_text(text, height=height, dxfattribs={"layer": "TEXT", "style": "CJK",
                                                      "insert": (235 + x, 5 + y)})
    msp.add_text("技术要求：未注圆角 R2。", height=6,
                 dxfattribs={"layer": "TEXT", "style": "CJK", "insert": (40, 260)})
    msp.add_circle((120, 150), 60, dxfattribs={"layer": "FRAME", "color": 1})
    return doc


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                          pathlib.Path(__file__).resolve().parents[2] / "samples")
    folder.mkdir(parents=True, exist_ok=True)
    drawings = {"floor-plan.dxf": floor_plan, "flange.dxf": mechanical_part,
                "title-block.dxf": title_block}
    for name, make in drawings.items():
        make().saveas(folder / name)
        print(folder / name)


if __name__ == "__main__":
    main()
