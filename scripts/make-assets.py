#!/usr/bin/env python3
"""Draws the program's pictures in assets/ with ImageMagick.

Every picture is drawn at four times its size and boxed down, which gives
clean anti-aliased edges even on the 28 by 25 icons. Needs only python3,
ImageMagick's `convert` and the DejaVu and Liberation fonts. The application
icon for the desktop menu goes to icons/ as transparent PNGs, one per size,
and, for trellan.exe, as one Windows icon file, icons/trellan.ico.

    scripts/make-assets.py [OUTPUT_DIR]     (default: assets/ of this checkout)

Each picture also gets a double-size source, "name@2x.jpg", for scaled screens.
"""

import math
import os
import struct
import subprocess
import sys
import tempfile

SCALE = 4
# Window background the icons sit on.
FACE = "#F0F0F0"
BOLD = "DejaVu-Sans-Bold"
SANS = "Liberation-Sans"
SANS_BOLD = "Liberation-Sans-Bold"
SANS_BOLD_ITALIC = "Liberation-Sans-Bold-Italic"


def render(out_dir, name, width, height, background, mvg):
    """Rasterises MVG drawn in the picture's own pixel units into a JPEG."""
    path = os.path.join(out_dir, name)
    subprocess.run(
        [
            "convert",
            "-size", f"{width * SCALE}x{height * SCALE}", f"xc:{background}",
            "-draw", f"scale {SCALE},{SCALE} " + " ".join(mvg),
            "-filter", "Box", "-resize", f"{width}x{height}!",
            "-strip", "-sampling-factor", "1x1", "-quality", "90",
            path,
        ],
        check=True,
    )
    return path


def render_icon(out_dir, size, mvg):
    """Rasterises MVG drawn on a 64 by 64 grid into a transparent square PNG."""
    path = os.path.join(out_dir, f"trellan-{size}.png")
    subprocess.run(
        [
            "convert",
            "-size", f"{size * SCALE}x{size * SCALE}", "xc:none",
            "-draw", f"scale {f(size * SCALE / 64)},{f(size * SCALE / 64)} " + " ".join(mvg),
            "-filter", "Box", "-resize", f"{size}x{size}!",
            "-strip", "-define", "png:exclude-chunks=date,time",
            f"PNG32:{path}",
        ],
        check=True,
    )
    return path


def f(value):
    return f"{value:.2f}".rstrip("0").rstrip(".")


def rect(x1, y1, x2, y2, fill, stroke="none", width=0, radius=0):
    cmd = [f"fill {fill}", f"stroke {stroke}", f"stroke-width {f(width)}"]
    if radius:
        cmd.append(f"roundrectangle {f(x1)},{f(y1)} {f(x2)},{f(y2)} {f(radius)},{f(radius)}")
    else:
        cmd.append(f"rectangle {f(x1)},{f(y1)} {f(x2)},{f(y2)}")
    return " ".join(cmd)


def ellipse(cx, cy, rx, ry, fill, stroke="none", width=0):
    return (f"fill {fill} stroke {stroke} stroke-width {f(width)} "
            f"ellipse {f(cx)},{f(cy)} {f(rx)},{f(ry)} 0,360")


def circle(cx, cy, r, fill, stroke="none", width=0):
    return ellipse(cx, cy, r, r, fill, stroke, width)


def line(x1, y1, x2, y2, colour, width):
    return (f"fill none stroke {colour} stroke-width {f(width)} stroke-linecap round "
            f"line {f(x1)},{f(y1)} {f(x2)},{f(y2)}")


def polygon(points, fill, stroke="none", width=0):
    pts = " ".join(f"{f(x)},{f(y)}" for x, y in points)
    return f"fill {fill} stroke {stroke} stroke-width {f(width)} stroke-linejoin round polygon {pts}"


def path(d, fill, stroke="none", width=0):
    return (f"fill {fill} stroke {stroke} stroke-width {f(width)} stroke-linecap round "
            f"path '{d}'")


def text(x, y, words, size, fill, font=BOLD, anchor="middle"):
    return (f"stroke none fill {fill} font {font} font-size {f(size)} "
            f"text-anchor {anchor} text {f(x)},{f(y)} '{words}'")


def arc_path(cx, cy, r, start, end):
    """An SVG arc from angle `start` to `end` (degrees, clockwise on screen)."""
    x1 = cx + r * math.cos(math.radians(start))
    y1 = cy + r * math.sin(math.radians(start))
    x2 = cx + r * math.cos(math.radians(end))
    y2 = cy + r * math.sin(math.radians(end))
    large = 1 if (end - start) % 360 > 180 else 0
    return f"M {f(x1)},{f(y1)} A {f(r)},{f(r)} 0 {large} 1 {f(x2)},{f(y2)}"


def keypad(x1, y1, x2, y2, fill, stroke, cols=3, rows=4, gap_x=2.0, gap_y=2.5, radius=2.5,
           mark=None):
    """A grid of keys filling the box; `mark` draws a small sign on each key."""
    kw = (x2 - x1 - gap_x * (cols - 1)) / cols
    kh = (y2 - y1 - gap_y * (rows - 1)) / rows
    cmds = []
    for r in range(rows):
        for c in range(cols):
            kx = x1 + c * (kw + gap_x)
            ky = y1 + r * (kh + gap_y)
            cmds.append(rect(kx, ky, kx + kw, ky + kh, fill, stroke, 0.4, min(radius, kh / 2)))
            if mark:
                cmds.append(rect(kx + kw / 2 - 1.2, ky + kh / 2 - 0.5,
                                 kx + kw / 2 + 1.2, ky + kh / 2 + 0.5, mark))
    return cmds


def screen(x1, y1, x2, y2, base, bar, icon):
    """A lit display showing a menu: status bar, a grid of icons, soft-key bar."""
    cmds = [rect(x1, y1, x2, y2, base),
            rect(x1, y1, x2, y1 + 4, bar),
            rect(x1, y2 - 4, x2, y2, bar),
            rect(x1 + 1, y1 + 1.2, x1 + 4, y1 + 2.8, "#FFFFFF"),
            rect(x2 - 5, y1 + 1.2, x2 - 1, y1 + 2.8, "#FFFFFF")]
    w = x2 - x1
    h = y2 - y1 - 8
    size = min(w / 4.2, h / 3.6)
    gx = (w - 3 * size) / 4
    gy = (h - 3 * size) / 4
    for r in range(3):
        for c in range(3):
            ix = x1 + gx + c * (size + gx)
            iy = y1 + 4 + gy + r * (size + gy)
            colour = "#FFD24A" if (r, c) == (0, 0) else icon
            cmds.append(rect(ix, iy, ix + size, iy + size, colour, radius=1.2))
    return cmds


def softkeys(x1, x2, y, colour, width=9, height=4):
    return [rect(x1, y, x1 + width, y + height, colour, radius=2),
            rect(x2 - width, y, x2, y + height, colour, radius=2)]


# ---------------------------------------------------------------- logo


def logo():
    cmds = [circle(27, 28.5, 21.5, "#1C3F74"),
            circle(27, 28.5, 18.5, "none", "#4F7DBA", 1),
            path(arc_path(27, 28.5, 10.5, 40, 320), "none", "#FFFFFF", 5),
            circle(38.5, 28.5, 3.4, "#8CC63F"),
            text(56, 37, "Calvorn", 37, "#1C3F74", SANS_BOLD_ITALIC, "start"),
            rect(58, 42.5, 200, 43.7, "#8CC63F"),
            "kerning 2.2",
            text(59, 53, "MOBILE SOLUTIONS", 8, "#6E7B8B", SANS, "start")]
    return cmds


def app_icon():
    """A phone in the logo's blue with the logo's mark on its screen."""
    cmds = [rect(15, 2.5, 49, 61.5, "#1C3F74", "#0F2648", 1.5, 7),
            rect(19.5, 8, 44.5, 34, "#F4F7FB", radius=2.5),
            path(arc_path(31, 21, 7.5, 40, 320), "none", "#1C3F74", 3.4),
            circle(38.6, 21, 2.6, "#8CC63F")]
    cmds += keypad(20, 39, 44, 57, "#4F7DBA", "none", rows=3, gap_x=2.5, gap_y=2.5, radius=1.8)
    return cmds


# ---------------------------------------------------------------- phones


def candy_k750():
    cmds = [rect(24, 5, 81, 164, "#B9BEC4", "#52575D", 0.8, 10),
            rect(27, 8, 78, 161, "#202226", radius=8),
            rect(46, 11.5, 59, 13.5, "#5A5E64", radius=1),
            text(52.5, 21.5, "K750", 6, "#C9CED4"),
            rect(30.5, 24, 74.5, 76, "#0B0B0C", radius=1.5)]
    cmds += screen(32.5, 26, 72.5, 74, "#5B8FCB", "#22497F", "#BFD8F2")
    cmds += softkeys(31, 74, 81, "#9AA0A7", 10, 4.5)
    cmds += softkeys(31, 74, 93, "#9AA0A7", 10, 4.5)
    cmds += [circle(52.5, 90, 7.5, "#C9CED4", "#6E737A", 0.6),
             circle(52.5, 90, 3, "#E8EBEE", "#8A9097", 0.4)]
    cmds += keypad(31, 104, 74, 155, "#C3C8CE", "#6E737A", mark="#555A60")
    cmds += [circle(52.5, 158.3, 0.8, "#55595E")]
    return cmds


def candy_k700():
    cmds = [rect(21, 7, 84, 163, "#D3D7DC", "#646A71", 0.8, 19),
            rect(25, 11, 80, 89, "#2B313B", radius=15),
            ellipse(52.5, 17.5, 6, 1.3, "#6F7680"),
            rect(31, 24, 74, 71, "#0A0A0B", radius=2)]
    cmds += screen(33, 26, 72, 69, "#E58B2E", "#8E4A12", "#FBD7A8")
    cmds += [text(52.5, 80, "K700", 6, "#D3D7DC"),
             ellipse(52.5, 101, 15, 7.5, "#8C939B", "#5A6068", 0.5),
             ellipse(52.5, 101, 5, 3.2, "#E6E9EC", "#7A8088", 0.4)]
    cmds += softkeys(24.5, 80.5, 92, "#7C838C", 7, 4)
    cmds += keypad(30, 113, 75, 154, "#5D6671", "#3E454E", gap_x=2.5, gap_y=2.2, radius=4,
                   mark="#D3D7DC")
    return cmds


def candy_k500():
    cmds = [rect(28, 13, 77, 159, "#27304A", "#10131C", 0.8, 9),
            rect(31, 18, 74, 78, "#AEB6C3", radius=5),
            rect(35, 23, 70, 67, "#0C0D10", radius=1)]
    cmds += screen(36.5, 24.5, 68.5, 65.5, "#3E9FA1", "#1E5D60", "#BDEBEA")
    cmds += [text(52.5, 75, "K500", 6, "#27304A"),
             circle(52.5, 89, 7, "#AEB6C3", "#10131C", 0.5),
             polygon([(52.5, 83.5), (54.2, 86), (50.8, 86)], "#27304A"),
             polygon([(52.5, 94.5), (54.2, 92), (50.8, 92)], "#27304A"),
             polygon([(47, 89), (49.5, 87.3), (49.5, 90.7)], "#27304A"),
             polygon([(58, 89), (55.5, 87.3), (55.5, 90.7)], "#27304A")]
    cmds += softkeys(32, 73, 84, "#AEB6C3", 8, 4)
    cmds += softkeys(32, 73, 92, "#AEB6C3", 8, 4)
    cmds += keypad(32.5, 101, 72.5, 151, "#AEB6C3", "#10131C", gap_x=3.5, gap_y=3, radius=2,
                   mark="#27304A")
    return cmds


def slider_s700():
    # Slid open: the keypad shows below the screen part, which casts a shadow.
    cmds = [rect(25, 52, 80, 164, "#3A322D", "#171412", 0.8, 9)]
    cmds += keypad(30.5, 114, 74.5, 158, "#D8C9A9", "#6D5C3E", gap_x=2.5, gap_y=2.5, radius=2.5,
                   mark="#6D5C3E")
    cmds += [rect(23, 103, 82, 112, "rgba(0,0,0,0.35)", radius=6),
             rect(22, 5, 83, 108, "#C9B58F", "#6D5C3E", 0.8, 9),
             rect(24.5, 7.5, 80.5, 105.5, "#D9C8A4", radius=7),
             ellipse(52.5, 10, 6, 1.1, "#7B6A4B"),
             text(52.5, 18, "S700", 5.5, "#6D5C3E"),
             rect(27, 20, 78, 82, "#111111", radius=2),
             rect(29, 22, 76, 80, "#3F7FBF"),
             circle(66, 32, 5, "#FFD54A"),
             polygon([(29, 80), (29, 62), (42, 54), (54, 62), (64, 56), (76, 64), (76, 80)],
                     "#4E9A3A"),
             polygon([(29, 80), (29, 70), (45, 66), (60, 71), (76, 68), (76, 80)], "#2F6E26"),
             rect(29, 22, 76, 26, "rgba(0,0,0,0.35)"),
             circle(52.5, 94, 6.5, "#8A7A5A", "#5A4B30", 0.5),
             circle(52.5, 94, 2.6, "#E8DCC0")]
    cmds += softkeys(28, 77, 87, "#A8966F", 9, 4)
    cmds += softkeys(28, 77, 97, "#A8966F", 9, 4)
    return cmds


def flip(body, edge, inner, hinge, screen_colours, name, name_colour, keys, key_edge,
         corner, lens=False, front_cam=False):
    base, bar, icon = screen_colours
    cmds = [rect(24, 4, 81, 82, body, edge, 0.8, corner),
            rect(27, 7, 78, 79, inner, radius=max(corner - 3, 2)),
            ellipse(52.5, 11.5, 6, 1.2, edge),
            rect(30, 16, 75, 69, "#0A0A0B", radius=1.5)]
    if front_cam:
        cmds.append(circle(66, 11.5, 1.6, "#0A0A0B", "#9096A0", 0.5))
    cmds += screen(32, 18, 73, 67, base, bar, icon)
    cmds += [text(52.5, 76, name, 6, name_colour),
             rect(25.5, 80, 79.5, 89, hinge, edge, 0.6, 4)]
    if lens:
        cmds += [circle(72, 84.5, 3, "#1A1A1A", "#B0B5BB", 0.6),
                 circle(71.4, 83.9, 0.8, "#FFFFFF")]
    cmds += [rect(24, 88, 81, 165, body, edge, 0.8, corner),
             rect(27, 91, 78, 162, inner, radius=max(corner - 3, 2)),
             circle(52.5, 101, 6.3, keys, key_edge, 0.6),
             circle(52.5, 101, 2.4, inner, key_edge, 0.4)]
    cmds += softkeys(30, 75, 96, keys, 9, 4)
    cmds += softkeys(30, 75, 103, keys, 9, 4)
    cmds += keypad(31, 112, 74, 158, keys, key_edge, gap_x=2.2, gap_y=2.4, radius=2.5,
                   mark=key_edge)
    return cmds


def flip_v800():
    return flip("#C3C8CE", "#5E646B", "#E2E5E9", "#8D9399", ("#6A5ACD", "#3B2F86", "#D6D0F5"),
                "V800", "#5E646B", "#F3F4F6", "#8A9097", 12, lens=True)


def flip_z1010():
    return flip("#34373C", "#101114", "#44484E", "#5A5E65", ("#2E9AD6", "#135A85", "#BEE4F7"),
                "Z1010", "#C7CCD2", "#AEB4BB", "#2A2D31", 6, front_cam=True)


def flip_z800():
    return flip("#9DB5D0", "#465A72", "#D3DAE2", "#7C90A8", ("#4CA65A", "#22662D", "#C9EBCD"),
                "Z800", "#465A72", "#9DB5D0", "#465A72", 16, lens=True)


def no_image():
    cx, cy, r = 52.5, 62, 30
    d = r * math.cos(math.radians(45))
    return [circle(cx, cy, r, "none", "#9C9C9C", 6),
            line(cx - d, cy - d, cx + d, cy + d, "#9C9C9C", 6),
            text(52.5, 120, "NO PICTURE", 12.5, "#8C8C8C", SANS_BOLD)]


# ---------------------------------------------------------------- icons


def camera():
    return [polygon([(9, 8), (11, 5), (17, 5), (19, 8)], "#3C3F44"),
            rect(3, 7.5, 25, 21.5, "#3C3F44", radius=2.2),
            rect(20.5, 9.2, 23.3, 11.2, "#F2DD6E", radius=0.5),
            circle(14, 14.5, 5.6, "#A3ADB8", "#1D1F22", 1),
            circle(14, 14.5, 3, "#1B2A3C"),
            circle(12.8, 13.3, 0.9, "#FFFFFF")]


def speaker(dx=0.0, dy=0.0, scale=1.0, colour="#2E3136", waves=True):
    def p(x, y):
        return (dx + x * scale, dy + y * scale)

    cmds = [polygon([p(3, 9), p(8, 9), p(14, 3.5), p(14, 21.5), p(8, 16), p(3, 16)], colour)]
    if waves:
        cx, cy = p(14, 12.5)
        for r in (4.5, 8.5):
            cmds.append(path(arc_path(cx, cy, r * scale, -50, 50), "none", colour, 1.6 * scale))
    return cmds


def speaker_on():
    return speaker(dx=0.9)


def speaker_off():
    cx, cy, r = 14, 12.5, 10.6
    d = r * math.cos(math.radians(45))
    return speaker(dx=2.8, dy=1.9, scale=0.85, colour="#4A4E55") + [
        circle(cx, cy, r, "none", "#D81B1B", 2.3),
        line(cx - d, cy - d, cx + d, cy + d, "#D81B1B", 2.3)]


def arrowhead(cx, cy, r, angle, colour, size=3.6):
    """A head at `angle` on the circle pointing clockwise."""
    a = math.radians(angle)
    tip_x, tip_y = cx + r * math.cos(a), cy + r * math.sin(a)
    tx, ty = -math.sin(a), math.cos(a)   # clockwise tangent
    nx, ny = math.cos(a), math.sin(a)    # outward normal
    back_x, back_y = tip_x - tx * size, tip_y - ty * size
    return polygon([(tip_x + tx * 0.6, tip_y + ty * 0.6),
                    (back_x + nx * size * 0.7, back_y + ny * size * 0.7),
                    (back_x - nx * size * 0.7, back_y - ny * size * 0.7)], colour)


def speaker_replace():
    cx, cy, r = 14, 12.5, 10
    green = "#1E9E34"
    return speaker(dx=8.9, dy=5, scale=0.6, colour="#2E3136", waves=False) + [
        path(arc_path(cx, cy, r, 200, 330), "none", green, 2.1),
        arrowhead(cx, cy, r, 338, green),
        path(arc_path(cx, cy, r, 20, 150), "none", green, 2.1),
        arrowhead(cx, cy, r, 158, green)]


PICTURES = [
    ("logo.jpg", 225, 57, "#FFFFFF", logo),
    ("k750.jpg", 105, 169, "#FFFFFF", candy_k750),
    ("k700.jpg", 105, 169, "#FFFFFF", candy_k700),
    ("k500.jpg", 105, 169, "#FFFFFF", candy_k500),
    ("s700.jpg", 105, 169, "#FFFFFF", slider_s700),
    ("v800.jpg", 105, 169, "#FFFFFF", flip_v800),
    ("z1010.jpg", 105, 169, "#FFFFFF", flip_z1010),
    ("z800.jpg", 105, 169, "#FFFFFF", flip_z800),
    ("noimage.jpg", 105, 169, "#FFFFFF", no_image),
    ("cam.jpg", 28, 25, FACE, camera),
    ("cam_on.jpg", 28, 25, FACE, speaker_on),
    ("cam_off.jpg", 28, 25, FACE, speaker_off),
    ("cam_replace.jpg", 28, 25, FACE, speaker_replace),
]

ICON_SIZES = [48, 64, 128, 256]
# Explorer, the taskbar and the title bar ask for these.
WINDOWS_ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]


def write_ico(path, pngs):
    """A Windows icon file holding PNG pictures (read since Windows Vista)."""
    entries = b""
    images = b""
    offset = 6 + 16 * len(pngs)
    for size, data in pngs:
        side = 0 if size >= 256 else size  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        images += data
        offset += len(data)
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(pngs)) + entries + images)


def render_windows_icon(icon_dir):
    with tempfile.TemporaryDirectory() as work:
        pngs = []
        for size in WINDOWS_ICON_SIZES:
            with open(render_icon(work, size, app_icon()), "rb") as png:
                pngs.append((size, png.read()))
    path = os.path.join(icon_dir, "trellan.ico")
    write_ico(path, pngs)
    return path


def render_double_size(out_dir):
    """The same pictures at twice the size, "name@2x.jpg", for screens scaled to
    200%: the program draws them in the same place at a device pixel ratio of 2."""
    for name, width, height, background, draw in PICTURES:
        double_name = name[:-len(".jpg")] + "@2x.jpg"
        written = render(out_dir, double_name, width * 2, height * 2, background,
                         ["scale 2,2"] + draw())
        print(f"{written}: {width * 2}x{height * 2}, {os.path.getsize(written)} bytes")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "assets")
    os.makedirs(out_dir, exist_ok=True)
    for name, width, height, background, draw in PICTURES:
        written = render(out_dir, name, width, height, background, draw())
        print(f"{written}: {width}x{height}, {os.path.getsize(written)} bytes")
    render_double_size(out_dir)
    icon_dir = os.path.join(out_dir, "icons")
    os.makedirs(icon_dir, exist_ok=True)
    for size in ICON_SIZES:
        written = render_icon(icon_dir, size, app_icon())
        print(f"{written}: {size}x{size}, {os.path.getsize(written)} bytes")
    written = render_windows_icon(icon_dir)
    print(f"{written}: {WINDOWS_ICON_SIZES}, {os.path.getsize(written)} bytes")


if __name__ == "__main__":
    main()
