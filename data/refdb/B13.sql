-- Sample rows of B13. Every name here was made up for this project.

INSERT INTO [Advantages] ([Identifier], [ID], [Cost], [Page]) VALUES
  (59, 'Hedgewise Gift', '5/10/15', 'p. 30');

INSERT INTO [AD-VARIANT] ([Identifier], [ID], [Sub-ID], [Page]) VALUES
  (1, 'Wisp-Touched Gift, Sung', 'Sung', 'p. 31'),
  (2, 'Wisp-Touched Gift, Danced', 'Danced', 'p. 31'),
  (3, 'Wisp-Touched Gift, Dreamt', 'Dreamt', 'p. 31'),
  (4, 'Wisp-Touched Gift, Inked', 'Inked', 'p. 32');

INSERT INTO [Skills] ([Identifier], [ID], [Skill Group], [Skill Type Identifier], [Page]) VALUES
  (5, 'Hoof Reading', 'ANIMAL', 5, 'p. 40'),
  (96, 'Candle Scrying', 'OCCULT-MAGIC', 6, 'p. 48');
