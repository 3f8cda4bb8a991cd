#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts gauntry in English and in Magyar and reads what a screen reader is
given over AT-SPI: the tool menu and every tool, in metric and in imperial
units. Every fault is collected and printed with the screen, the run, the
object's role, name and place; the exit status is 1 when there is any.

    walk.py GAUNTRY LANGDIR WORKDIR    (GAUNTRY_ATSPI_DUMP=1 prints each tree)

Things are found by structure, geometry and the language files' texts, never
by English words, so one walk serves every language."""

import os
import re
import shutil
import signal
import subprocess
import sys
import time

import pyatspi

GAUNTRY, LANGDIR, WORK = sys.argv[1:4]
DUMP = os.environ.get('GAUNTRY_ATSPI_DUMP') == '1'
SHOWING, FOCUSABLE, SELECTED, READ_ONLY = (pyatspi.STATE_SHOWING, pyatspi.STATE_FOCUSABLE,
                                           pyatspi.STATE_SELECTED, pyatspi.STATE_READ_ONLY)

# Language-file slots, numbered from 1 as the program numbers them.
CUBIC_METRES_PER_HOUR, VELOCITY, FLOW_RATE, METER_SIZE = 5, 12, 14, 15
MAIN_MENU, QUIT, PIPE_SIZE, PRESSURE_LOSS = 38, 39, 53, 54
# The tool menu's buttons in their order; the first four open the velocity screen.
TOOLS = ('velocity', 'pressure-loss', 'meter-size', 'payback', 'probe', 'converter', 'selection')
# The captions of the figures whose name must carry the unit shown beside them.
UNIT_FIELDS = {'velocity': (VELOCITY, METER_SIZE), 'pressure-loss': (VELOCITY, METER_SIZE, PIPE_SIZE),
               'payback': (VELOCITY, METER_SIZE)}
NAMED_ROLES = {'push button', 'combo box', 'check box', 'radio button', 'text', 'list item', 'image'}
ENGLISH_ONLY = (', value', ', result', ', regime', ', unit', ', from unit', ', to unit')


def slots(file):
    """The fields of a language file, decoded as the program decodes them."""
    raw = open(os.path.join(LANGDIR, file), 'rb').read()
    try:
        text = raw.decode('utf-8')
    except UnicodeDecodeError:
        text = raw.decode('cp1250' if b'"Magyar"' in raw else 'cp1252')
    return [''] + re.findall(r'^\s*"([^"]*)"', text, re.M)


class Node:
    """One object as read once from the bus."""

    def __init__(self, obj, parent, index):
        self.obj, self.parent, self.index = obj, parent, index
        self.role, self.name = obj.getRoleName(), (obj.name or '')
        self.states = set(obj.getState().getStates())
        self.ifaces = set(obj.get_interfaces())
        self.actions = []
        if 'Action' in self.ifaces:
            act = obj.queryAction()
            self.actions = [act.getName(i) for i in range(act.nActions)]
        self.text = obj.queryText().getText(0, -1) if 'Text' in self.ifaces else None
        self.rels = [(r.getRelationType().value_nick, [r.getTarget(i) for i in range(r.getNTargets())])
                     for r in obj.getRelationSet()]
        self.ipath = (parent.ipath if parent else ()) + (index,)
        self.children, self._box = [], None

    focusable = property(lambda self: FOCUSABLE in self.states)
    # What a caption shows: a label's name or a caption box's text.
    shown = property(lambda self: (self.name if self.role == 'label' else self.text or '').strip())

    def targets(self, kind):
        return [t for k, ts in self.rels if k == kind for t in ts]

    def ancestors(self):
        n = self.parent
        while n:
            yield n
            n = n.parent

    def within(self, other):
        return other is self or other in self.ancestors()

    def box(self):
        if self._box is None:
            e = self.obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            self._box = (e.x, e.y, e.width, e.height)
        return self._box

    def where(self):
        """The two nearest named containers inside the main window, and the object's place."""
        parts = []
        for a in self.ancestors():
            if a.parent is None or a.parent.parent is None or len(parts) == 2:
                break
            if a.name and a.role in ('panel', 'frame', 'filler') and a.name not in parts:
                parts.append(a.name)
        if not parts and self.parent:
            parts = [f'{self.parent.role}#{self.parent.index}']
        return ' > '.join(parts[::-1] + [f'{self.role}#{self.index}'])


def is_field(n):
    """A box one types a figure in or reads one from (not a list's own edit line)."""
    return n.role == 'text' and n.focusable and n.parent.role != 'combo box'


def press(node, name='Press'):
    act = node.obj.queryAction()
    names = [act.getName(i) for i in range(act.nActions)]
    if name not in names:
        raise Abort(f"{node.role} '{node.name}' offers no {name} action ({names})")
    act.doAction(names.index(name))


def right_of(anchor, nodes, pred):
    """The nearest node that pred accepts standing right of anchor on its row."""
    ax, ay, aw, ah = anchor.box()
    best = None
    for n in nodes:
        if n is anchor or not pred(n):
            continue
        x, y, w, h = n.box()
        if x >= ax + aw - 4 and abs((y + h / 2) - (ay + ah / 2)) <= max(h, ah) / 2:
            if best is None or x < best.box()[0]:
                best = n
    return best


class Abort(Exception):
    pass


class Walk:
    def __init__(self):
        self.checks = 0
        self.failures = {}          # (tag, role, name, place, message) -> [where found]
        self.print_paths = {}       # (tool, units) -> path of the English Print button
        self.unit_names = {}        # (lang, tool, caption) -> {units: name}
        self.menu_obj = None

    def check(self, ok, tag, node, message):
        self.checks += 1
        if not ok:
            key = (tag, node.role if node else '-', node.name if node else '',
                   node.where() if node else '-', message)
            self.failures.setdefault(key, []).append(self.ctx)
        return ok

    # --- The program and its tree ---------------------------------------

    def start(self, lang, file):
        folder = os.path.join(WORK, lang)
        os.makedirs(folder)
        for f in os.listdir(LANGDIR):
            shutil.copy(os.path.join(LANGDIR, f), folder)
        shutil.copy(os.path.join(LANGDIR, file), os.path.join(folder, 'langutil.txt'))
        env = dict(os.environ, QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        self.log = open(os.path.join(WORK, lang + '.log'), 'w+')
        # The program is killed should the walker itself be killed.
        self.proc = subprocess.Popen(['setpriv', '--pdeathsig', 'KILL', '--', GAUNTRY], cwd=folder, env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        self.app = self.poll(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                           if a and a.get_process_id() == self.proc.pid), None),
                             30, 'the program did not appear on the accessibility bus')

    def poll(self, probe, seconds, failure):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if self.proc.poll() is not None:
                raise Abort(f'the program ended with status {self.proc.returncode}')
            try:
                got = probe()
            except Exception:  # objects come and go while a screen is built
                got = None
            if got:
                return got
            time.sleep(0.1)
        raise Abort(failure)

    def read(self):
        nodes = []

        def visit(obj, parent, index):
            node = Node(obj, parent, index)
            if parent and SHOWING not in node.states:
                return
            nodes.append(node)
            if parent:
                parent.children.append(node)
            for i in range(obj.childCount):
                child = obj.getChildAtIndex(i)
                if child is not None:
                    visit(child, node, i)
        visit(self.app, None, 0)
        return nodes

    def settle(self, ready, seconds=20):
        """Reads the tree until ready() accepts it and two reads agree."""
        last = None

        def probe():
            nonlocal last
            nodes = self.read()
            sig = [(n.role, n.name if n.role != 'label' else '') for n in nodes]
            stable, last = sig == last, sig
            return ready(nodes) and stable and nodes
        return self.poll(probe, seconds, 'the screen did not come up: ' + self.ctx)

    def screens(self, nodes):
        """The tool menu's frame, its tool buttons, its unit buttons, the other MDI frames. The
        tool menu's frame is remembered: it may show, empty, behind a screen."""
        pane = next(n for n in nodes if n.role == 'layered pane')
        frames = [n for n in pane.children if n.role == 'frame']
        panels = [(n, [c for c in n.children if c.role == 'push button']) for n in nodes if n.role == 'panel']
        tools = next((b for _, b in panels if len(b) == len(TOOLS)), None)
        menu = tools and next(f for f in frames if tools[0].within(f))
        if menu:
            self.menu_obj = menu.obj
        units = menu and next((b for p, b in panels if len(b) == 2 and p.within(menu)), None)
        return menu, tools, units, [f for f in frames if f.obj is not self.menu_obj]

    # --- One run: a language, both unit systems, every screen -------------

    def run(self, lang, file):
        self.lang, self.words, self.ctx, self.proc = lang, slots(file), f'start {lang}', None
        try:
            self.start(lang, file)
            for units in (0, 1):
                self.units = ('metric', 'imperial')[units]
                self.ctx = f'tool-menu {lang}/{self.units}'
                nodes = self.settle(lambda ns: self.screens(ns)[2])
                press(self.screens(nodes)[2][units])
                nodes = self.settle(lambda ns: self.screens(ns)[1] and not self.screens(ns)[3])
                self.screen('tool-menu', nodes, self.screens(nodes)[0])
                for i, tool in enumerate(TOOLS):
                    self.ctx = f'{tool} {lang}/{self.units}'
                    tools = self.screens(nodes)[1]
                    press(tools[i])
                    nodes = self.settle(lambda ns: self.screens(ns)[3])
                    for t in tools:
                        try:
                            showing = t.obj.getState().contains(SHOWING)
                        except Exception:
                            showing = False
                        self.check(not showing, 'menu-hidden', t, 'a tool menu button shows behind the screen')
                    self.check(not self.menu_obj.getState().contains(SHOWING), 'menu-hidden', None,
                               "the tool menu's window shows behind the screen")
                    self.screen(tool, nodes, self.screens(nodes)[3][0])
                    if tool == 'velocity' and lang == 'en' and self.units == 'metric':
                        self.choose_flow_unit(nodes, self.screens(nodes)[3][0])
                    press(self.top_button(nodes, MAIN_MENU))
                    nodes = self.settle(lambda ns: self.screens(ns)[1] and not self.screens(ns)[3])
            self.ctx = f'quit {lang}'
            press(self.top_button(self.read(), QUIT))
            try:
                rc = self.proc.wait(30)
            except subprocess.TimeoutExpired:
                rc = 'none: still running 30 s after Quit'
            self.check(rc == 0, 'exit', None, f'the program ended with status {rc} after Quit')
        except Abort as e:
            self.check(False, 'abort', None, str(e))
        finally:
            if self.proc is None:
                return
            if self.proc.poll() is None:
                self.proc.kill()
                self.proc.wait()
            if self.proc.returncode != 0:
                self.log.seek(0)
                tail = self.log.read()[-3000:]
                print(f'--- the program\'s output ({lang}), last lines ---\n{tail}', file=sys.stderr)

    def top_button(self, nodes, slot):
        button = next((n for n in nodes if n.role == 'push button' and n.name == self.words[slot]), None)
        if not button:
            raise Abort(f"no push button '{self.words[slot]}' showing")
        return button

    # --- The checks ---------------------------------------------------------

    def screen(self, tool, nodes, frame):
        if DUMP:
            print(f'==== {self.ctx}')
            for n in nodes:
                print('  ' * len(n.ipath), n.role, repr(n.name), repr(n.text), n.actions,
                      [(k, [t.name for t in ts]) for k, ts in n.rels])
        for slot in (MAIN_MENU, QUIT):
            self.check(any(n.role == 'push button' and n.name == self.words[slot] and 'Press' in n.actions
                           for n in nodes), 'top-buttons', None, f"no '{self.words[slot]}' push button showing")
        for n in nodes[1:]:
            self.each(n, nodes)
        mine = [n for n in nodes if n.within(frame)]
        if tool == 'tool-menu':
            logo = [n for n in mine if n.role == 'push button' and n.parent.role != 'panel' and 'Press' in n.actions]
            self.check(logo, 'logo-button', frame, 'the logo picture is no push button with a Press action')
        elif tool not in ('converter', 'selection'):  # the two screens without a print picture
            self.print_button(tool, mine, frame)
        for caption in UNIT_FIELDS.get(tool, ()):
            self.unit_in_name(tool, caption, mine)
        if tool == 'meter-size':
            self.loss_names(mine)
        if tool == 'velocity':
            for n in mine:
                if is_field(n):
                    # Qt's text field reports only a QLabel buddy as its
                    # label, so the tie is read from the caption's side.
                    captions = [m for m in mine if m.role == 'label' and n.obj in m.targets('label-for')]
                    self.check(captions, 'field-label', n, 'no caption label is label-for it')
        if tool == 'converter':
            self.converter(mine)
        if tool == 'selection':
            ticks = [n for n in mine if n.role == 'check box' and READ_ONLY in n.states]
            self.check(len(ticks) >= 7, 'result-ticks', frame, f'{len(ticks)} read-only result check boxes, want 7')

    def each(self, n, nodes):
        """What holds for every showing object."""
        if n.role == 'text' and not n.focusable:
            self.check(False, 'caption-box', n, f"a text box that takes no focus ('{n.text}'): should be a label")
        elif FOCUSABLE in n.states or n.actions or n.text is not None or n.role in NAMED_ROLES:
            self.check(n.name.strip(), 'no-name', n, 'has no name')
        if n.role == 'image':
            self.check(not n.focusable and not set(n.actions) - {'SetFocus'}, 'image-acts', n,
                       'a picture that takes focus or acts: should be a push button with Press')
        if n.role == 'radio button':
            panel = next((a for a in n.ancestors() if a.role == 'panel'), None)
            self.check(n.parent.name.strip() or (panel and panel.name.strip()), 'radio-group', n,
                       'its option group has no name')
        if n.role == 'check box':
            operable = {'Toggle', 'Press'} & set(n.actions)
            if READ_ONLY in n.states:
                self.check(not operable, 'tick-acts', n, f'read only yet offers {sorted(operable)}')
            else:
                self.check(operable, 'tick-acts', n, 'an input check box with no Toggle or Press')
        if n.role == 'combo box':
            self.combo(n)
        if n.role in ('label', 'text') and not n.focusable:
            self.check(not n.targets('controller-for'), 'caption-controls', n, 'a caption with controller-for')
        if self.lang != 'en':
            low = n.name.casefold()
            bad = [w for w in ENGLISH_ONLY if w in low] + (['Print'] if n.name.strip() == 'Print' else [])
            self.check(not bad, 'english', n, f'English words in a {self.lang} name: {bad}')

    def items(self, combo):
        found, todo = [], [combo.obj]
        while todo:
            obj = todo.pop(0)
            for i in range(obj.childCount):
                c = obj.getChildAtIndex(i)
                if c is not None:
                    (found if c.getRoleName() == 'list item' else todo).append(c)
        return found

    def combo(self, n):
        items = self.items(n)
        names = [i.name.strip() for i in items]
        value = next((c.text for c in (Node(o, n, 0) for o in n.obj if o is not None)
                      if c.text is not None), None)
        own = n.name.strip().casefold()
        self.check(own != (value or '').strip().casefold(), 'combo-name', n, f"named by its value '{value}'")
        self.check(own not in [x.casefold() for x in names], 'combo-name', n, 'named after one of its items')
        self.check(items, 'combo-items', n, 'offers no list items')
        if value and value.strip() in names:
            self.check(any(i.getState().contains(SELECTED) for i in items), 'combo-selected', n,
                       f"shows '{value}' but none of its items is selected")
        mute = [x for x, i in zip(names, items) if not self.choice(i)]
        self.check(not mute, 'item-action', n, f'{len(mute)} of {len(items)} items offer no action that'
                   f" chooses them (first: '{mute[0] if mute else ''}')")

    @staticmethod
    def choice(item):
        """The index and name of an item's first action other than SetFocus."""
        try:
            act = item.queryAction()
        except NotImplementedError:
            return None
        return next(((i, act.getName(i)) for i in range(act.nActions) if act.getName(i) != 'SetFocus'), None)

    def field(self, mine, slot):
        """The caption showing the slot's text and the field right of it."""
        for cap in mine:
            if cap.role in ('label', 'text') and not cap.focusable and cap.shown == self.words[slot].strip():
                box = right_of(cap, mine, is_field)
                if box:
                    return cap, box
        return None, None

    def unit_in_name(self, tool, slot, mine):
        cap, box = self.field(mine, slot)
        if not self.check(box, 'unit-in-name', None, f"no field beside the caption '{self.words[slot]}'"):
            return
        unit = right_of(box, mine, lambda x: x.role in ('label', 'text') and not x.focusable and x.shown)
        if self.check(unit, 'unit-in-name', box, 'no unit label right of the field'):
            self.check(unit.shown.casefold() in box.name.casefold(), 'unit-in-name', box,
                       f"its name lacks the unit shown beside it, '{unit.shown}'")
        seen = self.unit_names.setdefault((self.lang, tool, slot), {})
        seen[self.units] = box.name
        if len(seen) == 2:
            self.check(seen['metric'] != seen['imperial'], 'unit-in-name', box,
                       f"the same name in metric and imperial units: '{box.name}'")

    def loss_names(self, mine):
        """The size proposals: rows of a size and its two pressure losses."""
        rows, last = [], None
        for n in sorted((n for n in mine if is_field(n)), key=lambda n: n.box()[1] + n.box()[3] / 2):
            middle = n.box()[1] + n.box()[3] / 2
            if last is None or middle - last > 5:
                rows.append([])
            rows[-1].append(n)
            last = middle
        rows = [sorted(r, key=lambda n: n.box()[0]) for r in rows if len(r) == 3]
        self.check(len(rows) == 5, 'loss-name', None, f'{len(rows)} size proposals in rows of three fields, want 5')
        phrase = 'Pressure loss in' if self.lang == 'en' else self.words[PRESSURE_LOSS]
        for size, *losses in rows:
            for loss in losses:
                self.check(loss.name.casefold().startswith(phrase.casefold()), 'loss-name', loss,
                           f"a pressure loss whose name does not start with '{phrase}'")
                self.check(loss.name.strip() != size.name.strip(), 'loss-name', loss,
                           'a pressure loss named like the size beside it')
            self.check(losses[0].name != losses[1].name, 'loss-name', losses[1], 'the two losses share a name')

    def print_button(self, tool, mine, frame):
        key = (tool, self.units)
        if self.lang == 'en':
            button = next((n for n in mine if n.name == 'Print'), None)
            if self.check(button and button.role == 'push button' and 'Press' in button.actions,
                          'print-button', button or frame, "no push button 'Print' with a Press action"):
                self.print_paths[key] = button.ipath
        elif key in self.print_paths:
            button = next((n for n in mine if n.ipath == self.print_paths[key]), None)
            self.check(button and button.role == 'push button' and 'Press' in button.actions
                       and button.name.strip() not in ('', 'Print'), 'print-button', button or frame,
                       f'the print button is not a push button with Press and a {self.lang} name')

    def converter(self, mine):
        groups = {}
        for n in mine:
            if n.role == 'combo box':
                owner = next((a for a in n.ancestors() if a.name.strip()), n.parent)
                groups.setdefault(owner.name.strip(), []).append(n)
        for quantity, combos in groups.items():
            names = {c.name.strip() for c in combos}
            if self.lang == 'en':
                want = {f'{quantity}, from unit', f'{quantity}, to unit'}
                self.check(names == want, 'unit-lists', combos[0], f'the unit lists of {quantity} are'
                           f' named {sorted(names)}, want {sorted(want)}')
            else:
                self.check(len(combos) == 2 == len(names) and all(quantity.casefold() in x.casefold()
                           for x in names), 'unit-lists', combos[0],
                           f'the unit lists of {quantity} are not told apart by name: {sorted(names)}')

    def choose_flow_unit(self, nodes, frame):
        """Chooses m3/h for 36 of flow through a 100 mm meter on the bus alone."""
        mine = [n for n in nodes if n.within(frame)]
        _, size = self.field(mine, METER_SIZE)
        _, flow = self.field(mine, FLOW_RATE)
        _, speed = self.field(mine, VELOCITY)
        combo = flow and right_of(flow, mine, lambda x: x.role == 'combo box')
        if not self.check(size and flow and speed and combo, 'choose-unit', None,
                          'the meter size, flow, its unit list or the velocity cannot be found'):
            return
        for box, text in ((size, '100'), (flow, '36')):
            self.check(box.obj.queryEditableText().setTextContents(text), 'choose-unit', box,
                       f"the field refused the text '{text}'")
        wanted = ('m3/h', self.words[CUBIC_METRES_PER_HOUR].strip().casefold())
        item = next((i for i in self.items(combo) if i.name.strip().casefold() in wanted), None)
        action = item and self.choice(item)
        if not self.check(action, 'choose-unit', combo, f'no item {wanted} with an action that chooses it'):
            return
        print(f"atspi: choosing the flow unit item '{item.name}' by its action '{action[1]}'")
        item.queryAction().doAction(action[0])
        got = lambda: speed.obj.queryText().getText(0, -1).strip()
        deadline = time.monotonic() + 5
        while got() != '1.2733' and time.monotonic() < deadline:
            time.sleep(0.1)
        self.check(got() == '1.2733', 'choose-unit', speed, f"velocity '{got()}' after choosing"
                   f" '{item.name}' for 36 through 100, want '1.2733'")
        self.check(item.getState().contains(SELECTED), 'combo-selected', combo,
                   f"'{item.name}' chosen but not selected")


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))   # so the program is stopped on the way out
    started = time.monotonic()
    walk = Walk()
    for lang, file in (('en', 'English.txt'), ('hu', 'Hungary.txt')):
        walk.run(lang, file)
    for (tag, role, name, where, message), found in sorted(walk.failures.items()):
        more = f' +{len(found) - 3} more' if len(found) > 3 else ''
        print(f"FAIL [{tag}] {role} '{name}' @ {where}: {message}  (in {', '.join(found[:3])}{more})")
    count = sum(len(f) for f in walk.failures.values())
    tags = {}
    for (tag, *_), found in walk.failures.items():
        tags[tag] = tags.get(tag, 0) + len(found)
    if tags:
        print('atspi: failures by check: ' + ', '.join(f'{t} {n}' for t, n in sorted(tags.items())))
    print(f'atspi: {walk.checks} checks, {count} failures ({len(walk.failures)} distinct)'
          f' in {time.monotonic() - started:.0f} s')
    return 1 if count else 0


if __name__ == '__main__':
    sys.exit(main())
