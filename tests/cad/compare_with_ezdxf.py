#!/usr/bin/env python3
"""Compares `tessvane-render --stats` with an independent DXF reader (ezdxf).

For every DXF file under the corpus folder:
- the model-space entity counts, type by type, equal those of ezdxf's
  model-space iteration (counting what our reader keeps and what it skips);
- the computed extents enclose ezdxf's box of every entity we keep (texts
  aside: without fonts both sides only estimate them), within 1 % of the
  drawing's size;
- the computed extents agree with the $EXTMIN/$EXTMAX the writing program
  stored, within 1 % of the drawing's size. Where the stored values are stale
  (ezdxf's own box of the same entities disagrees with them too, as in files
  whose entities were deleted after the last regeneration), they agree with
  ezdxf's box instead, and the line says so.

Usage: compare_with_ezdxf.py TESSVANE_RENDER CORPUS_FOLDER
       compare_with_ezdxf.py TESSVANE_RENDER --generated
The second form compares drawings of every release, text and binary, that
ezdxf writes into a temporary folder (ezdxf_drawings.py).
Exit 0 when all agree, 1 on a difference, 77 (skipped) without ezdxf or corpus.
"""
import collections
import json
import pathlib
import subprocess
import sys
import tempfile

SKIP = 77


def ezdxf_counts(doc):
    return dict(collections.Counter(e.dxftype() for e in doc.modelspace()))


def header_extents(doc):
    lo, hi = doc.header.get("$EXTMIN"), doc.header.get("$EXTMAX")
    if lo is None or hi is None or lo[0] > hi[0] or lo[1] > hi[1]:
        return None  # the writer stored "nothing drawn"
    return (lo[0], lo[1]), (hi[0], hi[1])


TEXT_TYPES = {"TEXT", "MTEXT", "ATTRIB", "ATTDEF"}


def tolerance_of(box):
    (x0, y0), (x1, y1) = box
    return 0.01 * max(x1 - x0, y1 - y0, 1e-9)


def agree(a, b, tolerance):
    return max(abs(p - q) for u, v in zip(a, b) for p, q in zip(u, v)) <= tolerance


def ezdxf_box(entities):
    from ezdxf import bbox
    box = bbox.extents(entities)
    if not box.has_data:
        return None
    return (box.extmin.x, box.extmin.y), (box.extmax.x, box.extmax.y)


def enclosure_problems(ours, kept, tolerance):
    problems = []
    for entity in kept:
        if entity.dxftype() in TEXT_TYPES:
            continue
        if entity.dxftype() == "INSERT":
            # Attribute texts aside, as above.
            parts = [e for e in entity.virtual_entities() if e.dxftype() not in TEXT_TYPES]
            box = ezdxf_box(parts) if parts else None
        else:
            box = ezdxf_box([entity])
        if box is None:
            continue
        (x0, y0), (x1, y1) = box
        (a0, b0), (a1, b1) = ours
        if a0 > x0 + tolerance or b0 > y0 + tolerance or a1 < x1 - tolerance or b1 < y1 - tolerance:
            problems.append("%s %s lies outside the extents %s" % (entity.dxftype(), box, ours))
    return problems


def extents_problems(ours, stored, kept):
    """Problems of our extents, and a note when the stored ones are stale."""
    reference = stored or ezdxf_box(kept)
    if reference is None:
        return ([] if ours is None else ["extents %s where nothing has a size" % (ours,)]), ""
    if ours is None:
        return ["no extents computed, the file stores %s" % (reference,)], ""
    tolerance = tolerance_of(reference)
    problems = enclosure_problems(ours, kept, tolerance)
    if stored is None or agree(ours, stored, tolerance):
        return problems, ""
    independent = ezdxf_box(kept)
    if independent and not agree(independent, stored, tolerance) and agree(
            ours, independent, tolerance_of(independent)):
        return problems, " (stored extents %s are stale; ezdxf's box %s agrees)" % (
            stored, independent)
    return problems + ["extents %s differ from the stored %s by more than %g" % (
        ours, stored, tolerance)], ""


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    tool = sys.argv[1]
    try:
        import ezdxf
    except ImportError:
        print("SKIPPED: python3-ezdxf is not installed")
        return SKIP
    if sys.argv[2] == "--generated":
        import ezdxf_drawings
        with tempfile.TemporaryDirectory() as folder:
            ezdxf_drawings.write_drawings(ezdxf, pathlib.Path(folder))
            return compare_folder(ezdxf, tool, pathlib.Path(folder))
    corpus = pathlib.Path(sys.argv[2])
    if not sorted(corpus.glob("**/*.dxf")):
        print("SKIPPED: no DXF files under %s" % corpus)
        return SKIP
    return compare_folder(ezdxf, tool, corpus)


def compare_folder(ezdxf, tool, corpus):
    files = sorted(corpus.glob("**/*.dxf")) + sorted(corpus.glob("**/*.DXF"))
    failures = 0
    for path in files:
        run = subprocess.run([tool, "--stats", str(path)], capture_output=True, text=True)
        if run.returncode != 0:
            print("FAIL %s: %s" % (path, run.stderr.strip()))
            failures += 1
            continue
        stats = json.loads(run.stdout)
        ours = collections.Counter(stats["entities"]) + collections.Counter(stats["skipped"])
        doc = ezdxf.readfile(str(path))
        theirs = ezdxf_counts(doc)
        problems = []
        if dict(ours) != theirs:
            problems.append("counts %s, ezdxf %s" % (dict(ours), theirs))
        extents = stats["extents"] and tuple(tuple(p) for p in stats["extents"])
        kept = [e for e in doc.modelspace() if e.dxftype() in stats["entities"]]
        found, note = extents_problems(extents, header_extents(doc), kept)
        problems += found
        print("%s %s: %s%s" % ("FAIL" if problems else "ok", path,
                               "; ".join(problems) or dict(ours), note))
        failures += bool(problems)
    print("%d files, %d differ" % (len(files), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
