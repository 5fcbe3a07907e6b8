-- Sample rows of B15. Every name here was made up for this project.

INSERT INTO [AD-VARIANT] ([Identifier], [ID], [Sub-ID], [Page]) VALUES
  (1, 'Wisp-Touched Gift, Named', 'Named', 'p. 22'),
  (2, 'Wisp-Touched Gift, Tidebound', 'Tidebound', 'p. 22'),
  (3, 'Wisp-Touched Gift, Starbound', 'Starbound', 'p. 23');

INSERT INTO [Skills] ([Identifier], [ID], [Skill Group], [Skill Type Identifier], [Page]) VALUES
  (1, 'Brass Tuning', 'CRAFT-METAL, HOBBY', 4, 'p. 50');
