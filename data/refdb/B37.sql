-- Sample rows of B37. Every name here was made up for this project.

INSERT INTO [AD-VARIANT] ([Identifier], [ID], [Sub-ID], [Page]) VALUES
  (1, 'Wisp-Touched Gift, Rooted', 'Rooted', 'p. 6'),
  (2, 'Wisp-Touched Gift, Drifting', 'Drifting', 'p. 6');

INSERT INTO [Spells] ([Identifier], [ID], [College], [Spell Class], [Skill Type Identifier], [Page]) VALUES
  (1, 'Coax Sprout', 'Plant', 'Regular', 5, 'p. 18');
