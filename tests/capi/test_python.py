"""The Python package over the C interface: the demonstration character built through it
is the one the command makes, its records are named and removed, and refusals raise the
library's message.

Run by CTest with PYTHONPATH at python/, ZULPARVO_LIBRARY at the built library,
ZULPARVO_COMMAND at the command and ZULPARVO_SAMPLE_DATA at the sample data."""

import json
import os
import pathlib
import subprocess
import tempfile
import unittest

import zulparvo

DATA = pathlib.Path(os.environ["ZULPARVO_SAMPLE_DATA"])
DEMO = json.loads((DATA / "demo" / "demo.json").read_text())


def run_demo(character):
    """Runs the demonstration's steps as the package's calls; the changes they made."""
    changes = []
    for step in DEMO["steps"]:
        op = step["op"]
        if op in ("add_advantage", "add_skill", "add_style"):
            record = step["record"]
            changes += character.add(**record) if "book" in record else character.add(record)
        elif op == "set_attribute":
            changes += character.set_attribute(step["attribute"], step["value"])
        elif op == "buy_off_disadvantage":
            character.buy_off(step["index"])
        elif op == "recompute":
            character.recompute()
        else:
            raise AssertionError(f"no call of the package stands for the step {op!r}")
    return changes


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        zulparvo.set_profile(DATA / "zulparvo.ini")
        cls.folder = tempfile.TemporaryDirectory()
        cls.work = pathlib.Path(cls.folder.name)
        (cls.work / "script.json").write_text(json.dumps(dict(DEMO, save="command.zul")))
        run = subprocess.run([os.environ["ZULPARVO_COMMAND"], "--profile", str(DATA / "zulparvo.ini"), "run",
                              str(cls.work / "script.json")], check=True, capture_output=True, text=True)
        cls.command = json.loads(run.stdout)
        cls.hero = zulparvo.Character.from_json(DEMO["character"])
        cls.changes = run_demo(cls.hero)

    @classmethod
    def tearDownClass(cls):
        cls.hero.close()
        cls.folder.cleanup()

    def test_demonstration_is_the_commands(self):
        self.hero.save(self.work / "python.zul")
        self.assertEqual((self.work / "python.zul").read_bytes(), (self.work / "command.zul").read_bytes())
        self.assertEqual(self.changes, self.command["change_log"])
        self.assertEqual(self.hero.change_log, self.command["change_log"])
        self.assertEqual(json.loads(self.hero.to_json()), self.command["character"])

    def test_records_are_named_and_removed_with_their_points(self):
        with zulparvo.Character.from_bytes(self.hero.to_bytes()) as hero:
            self.assertIn(zulparvo.Record("martial_arts_styles", 0, "Willow Staff"), list(hero))
            spells = list(hero.records("spells"))
            self.assertEqual([record.index for record in spells], list(range(hero.count("spells"))))
            self.assertTrue(all(record.name for record in spells))
            spent = json.loads(hero.to_json())["points_spent"]
            points = hero.record_json(spells[0])["points"]
            hero.remove(spells[0])
            self.assertEqual(hero.count("spells"), len(spells) - 1)
            self.assertEqual(json.loads(hero.to_json())["points_spent"], spent - points)

    def test_damaged_file_raises_the_librarys_message(self):
        damaged = self.work / "damaged.zul"
        damaged.write_bytes(self.hero.to_bytes()[:200])
        with self.assertRaises(zulparvo.Error) as raised:
            zulparvo.Character.load(damaged)
        self.assertIn(str(damaged), str(raised.exception))
        self.assertIn("damaged", str(raised.exception))

    def test_refusals_raise(self):
        with zulparvo.Character() as hero:
            hero.add({"class": "CChar_Ad_Disad", "category": "DISAD", "base_cost": -10, "cost": -10})
            hero.add({"class": "CChar_Ad_Disad", "category": "AD", "base_cost": 1000, "cost": 1000})
            with self.assertRaisesRegex(zulparvo.Refused, "Not enough points"):
                hero.buy_off(0)
            with self.assertRaisesRegex(zulparvo.Error, "levl"):
                hero.add({"class": "CChar_Ad_Disad", "levl": 1})
            with self.assertRaisesRegex(zulparvo.Refused, 'B05 has no entry named "Nope"'):
                hero.add(book="B05", name="Nope")
            with self.assertRaisesRegex(ValueError, "no_such_list"):
                hero.count("no_such_list")
        with self.assertRaisesRegex(ValueError, "closed"):
            hero.to_json()


if __name__ == "__main__":
    unittest.main()
