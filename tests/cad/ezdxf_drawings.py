"""Drawings of every release from R12 on, text and binary, written by ezdxf with
most entity types the model keeps, for comparing our reader with ezdxf's."""
import math


def populate(doc):
    msp = doc.modelspace()
    doc.layers.add("WALLS", color=3)
    msp.add_line((0,0),(10,5), dxfattribs={'layer':'WALLS'})
    msp.add_circle((3,3), 2)
    msp.add_arc((5,0), 2, 0, 90)
    msp.add_point((1,1))
    msp.add_text("Hello 中文", dxfattribs={'height':0.5}).set_placement((1,8))
    msp.add_polyline2d([(0,0),(1,1),(2,0)])
    msp.add_polyline3d([(0,0,0),(1,1,1),(2,0,2)])
    msp.add_solid([(0,0),(1,0),(0,1)])
    msp.add_3dface([(0,0,0),(1,0,0),(1,1,0),(0,1,0)])
    blk = doc.blocks.new("B1")
    blk.add_line((0,0),(1,1))
    blk.add_attdef("TAG", (0,0))
    ins = msp.add_blockref("B1", (20,20), dxfattribs={'rotation':30})
    ins.add_attrib("TAG", "value", (20,20))
    if doc.dxfversion > 'AC1009':
        msp.add_lwpolyline([(0,0,0,0,0.5),(5,0),(5,5)], format='xyseb', close=True)
        msp.add_ellipse((0,0), major_axis=(4,0), ratio=0.5, start_param=0, end_param=math.pi)
        msp.add_spline([(0,0),(1,2),(3,1),(4,4)])
        msp.add_mtext("Line one\\PLine two", dxfattribs={'char_height':0.3, 'insert':(30,30)})
        msp.add_xline((0,0),(1,1)); msp.add_ray((0,0),(1,0))
        h = msp.add_hatch(color=2); h.paths.add_polyline_path([(0,0),(5,0),(5,5)], is_closed=True)
        ep = h.paths.add_edge_path(); ep.add_line((10,0),(15,0)); ep.add_arc((15,2),2,270,90); ep.add_ellipse((12,4),(3,0),0.5,0,180); ep.add_line((9,4),(10,0))
        h2 = msp.add_hatch(); h2.set_pattern_fill("ANSI31", scale=0.5); h2.paths.add_polyline_path([(20,0),(25,0),(25,5)], is_closed=True)
        msp.add_leader([(0,0),(2,2),(4,2)])
        dim = msp.add_linear_dim(base=(0,-3), p1=(0,0), p2=(10,0)); dim.render()
        msp.add_mline([(0, 10), (10, 10), (10, 20)])
        if doc.dxfversion >= 'AC1015':
            msp.add_wipeout([(0,0),(2,0),(2,2)])

RELEASES = ["R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018"]


def write_drawings(ezdxf, folder):
    """Writes each release as NAME.dxf (text) and NAME_bin.dxf (binary) into folder."""
    for release in RELEASES:
        doc = ezdxf.new(release, setup=True)
        populate(doc)
        doc.saveas(str(folder / ("%s.dxf" % release)))
        doc.saveas(str(folder / ("%s_bin.dxf" % release)), fmt="bin")
