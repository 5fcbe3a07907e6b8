-- Sample rows of the basic book (B05). Every name here was made up for this project.
-- Skill groups are the group names that the skill records test for ("ANIMAL", "CRAFT",
-- ..., "FORCE"); a spell's [College] text names its colleges. Rows that the rules add
-- to a character (Charisma, Language Talent, Secret) carry the names the rules give them.
-- A disadvantage with degrees files them in a sub-table of its own, whose identifiers
-- are the option numbers that the rules key on.

CREATE TABLE [HOBBLED-STRIDE] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY, [ID] TEXT(50), [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER, [Cost] TEXT(60), [Page] TEXT(50), [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10), [Sub-Table] TEXT(50), [Description] TEXT, [Sort] INTEGER);
CREATE TABLE [SLIGHT-KEEPER] (
  [Identifier] INTEGER CONSTRAINT Identifier PRIMARY KEY, [ID] TEXT(50), [Sub-ID] TEXT(50),
  [Category Identifier] INTEGER, [Cost] TEXT(60), [Page] TEXT(50), [Style Identifier] INTEGER,
  [BaseBonus] TEXT(10), [Sub-Table] TEXT(50), [Description] TEXT, [Sort] INTEGER);

INSERT INTO [Advantages] ([Identifier], [ID], [Cost], [Page], [Sub-Table]) VALUES
  (1, 'Featherstep Poise', '15', 'p. 12', ''),
  (9, 'Beastkin Rapport', '5', 'p. 14', ''),
  (10, 'Comely Mien', '5/15/25', 'p. 15', 'AD-VARIANT'),
  (11, 'Charisma', '5/level', 'p. 15', ''),
  (13, 'Stillwater Nerve', '15', 'p. 16', ''),
  (22, 'Language Talent', '2/level', 'p. 18', ''),
  (28, 'Wisp-Touched Gift', '15/25/35', 'p. 21', 'AD-VARIANT'),
  (40, 'Knotted Hide', '10/25', 'p. 24', ''),
  (42, 'Honeyvoice Charm', '10', 'p. 25', '');

INSERT INTO [AD-VARIANT] ([Identifier], [ID], [Sub-ID], [Cost], [Page]) VALUES
  (1, 'Comely Mien, Pleasant', 'Pleasant', '5', 'p. 15'),
  (2, 'Comely Mien, Striking', 'Striking', '15', 'p. 15'),
  (3, 'Comely Mien, Radiant', 'Radiant', '25', 'p. 15');

INSERT INTO [Disadvantages] ([Identifier], [ID], [Cost], [Page], [Sub-Table]) VALUES
  (6, 'Slight-Keeper', '-5/-10/-20/-25/-30', 'p. 31', 'SLIGHT-KEEPER'),
  (14, 'Flinching Gaze', '-5', 'p. 32', ''),
  (42, 'Hobbled Stride', '-5/-15/-25', 'p. 34', 'HOBBLED-STRIDE'),
  (66, 'Fogged Eyes', '-5/-10', 'p. 36', ''),
  (95, 'Secret', '-5/-10/-20/-30', 'p. 38', '');

INSERT INTO [SLIGHT-KEEPER] ([Identifier], [ID], [Sub-ID], [Cost], [Page]) VALUES
  (1, 'Slight-Keeper, prickly', 'prickly', '-5', 'p. 31'),
  (2, 'Slight-Keeper, touchy', 'touchy', '-10', 'p. 31'),
  (3, 'Slight-Keeper, bristling', 'bristling', '-20', 'p. 31'),
  (4, 'Slight-Keeper, seething', 'seething', '-25', 'p. 31'),
  (5, 'Slight-Keeper, volcanic', 'volcanic', '-30', 'p. 31');

INSERT INTO [HOBBLED-STRIDE] ([Identifier], [ID], [Sub-ID], [Cost], [Page]) VALUES
  (1, 'Hobbled Stride, slowed', 'slowed', '-5', 'p. 34'),
  (2, 'Hobbled Stride, hampered', 'hampered', '-15', 'p. 34'),
  (3, 'Hobbled Stride, rooted', 'rooted', '-25', 'p. 34');

INSERT INTO [Skills] ([Identifier], [ID], [Skill Group], [Skill Type Identifier], [Defaults], [Page], [Tech-Level], [Can Default]) VALUES
  (2, 'Trail Reckoning', 'OUTDOOR', 5, 'IQ-5', 'p. 44', 0, 1),
  (14, 'Tumblework', 'ATHLETIC', 3, 'DX-6', 'p. 45', 0, 1),
  (20, 'Star Reckoning', 'OUTDOOR, SCIENTIFIC-HARD', 5, 'IQ-5', 'p. 46', 0, 1),
  (41, 'Knotwork', 'CRAFT', 1, 'DX-4', 'p. 47', 0, 1),
  (56, 'Rune Ciphers', 'SCIENTIFIC-SOFT, KNOWLEDGE', 6, '', 'p. 49', 1, 0),
  (61, 'Staffplay', 'COMBAT-WEAPON, CW-MELEE', 2, 'DX-5', 'p. 50', 0, 1),
  (82, 'Herd Lore', 'ANIMAL, OUTDOOR', 5, 'IQ-5', 'p. 52', 0, 1),
  (110, 'Ropestride', 'ATHLETIC', 3, 'DX-6', 'p. 55', 0, 1),
  (122, 'Latchpicking', 'THIEF-SPY, CRAFT-METAL', 2, 'DX-5', 'p. 57', 1, 1),
  (182, 'Wildling Gentling', 'ANIMAL', 6, '', 'p. 61', 0, 0);

INSERT INTO [Skills-Languages] ([Identifier], [ID], [Skill Group], [Skill Type Identifier], [Page]) VALUES
  (1, 'Old Marrish', 'LANGUAGE', 5, 'p. 66'),
  (2, 'Tidespeech', 'LANGUAGE', 6, 'p. 66');

INSERT INTO [Spells] ([Identifier], [ID], [College], [Spell Class], [Skill Type Identifier], [Casting Time], [Casting Cost], [Page]) VALUES
  (1, 'Kindle Wick', 'Flame', 'Regular', 5, '1 sec', '1', 'p. 72'),
  (2, 'Knit Bone', 'Heal', 'Regular', 6, '1 min', '3', 'p. 73'),
  (3, 'Whisper on the Wind', 'Air, Sound', 'Regular', 5, '2 sec', '2', 'p. 74');

INSERT INTO [Skills-Maneuvers] ([Identifier], [ID], [Base Skill], [Skill Group], [Maneuver Type Identifier], [Default Level], [Page], [Can Default]) VALUES
  (1, 'Ankle Reaper', 'Staffplay', 'COMBAT-WEAPON', 27, '-3', 'p. 80', 1),
  (2, 'Hooking Parry', 'Staffplay', 'COMBAT-WEAPON, CW-BLOCK', 26, '-2', 'p. 80', 1);

INSERT INTO [Enhancements] ([Identifier], [ID], [Cost]) VALUES
  (1, 'Far-Reaching', '+20%'),
  (2, 'Lingering', '+30%');

INSERT INTO [Limitations] ([Identifier], [ID], [Cost]) VALUES
  (1, 'Tiring', '-10%'),
  (2, 'Needs a Focus Pebble', '-20%');

INSERT INTO [Weapons] ([Identifier], [ID], [Damage], [Reach], [SS], [ACC], [Cost], [Weight], [Min ST], [Tech Level], [Page]) VALUES
  (1, 'Ashwood Cudgel', 'sw+1 cr', '1', '', '', '20', '3', '8', 1, 'p. 90'),
  (2, 'Reed Sling', 'sw cr', '', '10', '0', '10', '0.5', '6', 0, 'p. 91'),
  (3, 'Thornwood Spear', 'thr+2 imp', '1', '11', '1', '40', '4', '9', 1, 'p. 92');

INSERT INTO [Armor] ([Identifier], [ID], [Cost], [Weight], [Covers], [DR], [PD], [Tech Level], [Page]) VALUES
  (1, 'Quilted Jerkin', '30', '6', 'torso', '1', '1', 1, 'p. 94');

INSERT INTO [Armor-Barding] ([Identifier], [ID], [Cost], [Weight], [Covers], [DR], [PD], [Page]) VALUES
  (1, 'Felted Caparison', '80', '20', 'body', '1', '1', 'p. 95');

INSERT INTO [Equipment] ([Identifier], [ID], [Cost], [Weight], [Tech Level], [Page]) VALUES
  (1, 'Tinderbox', '2', '0.5', 1, 'p. 97'),
  (2, 'Waxed Lantern', '15', '2', 2, 'p. 97');
