-- Sample rows of B34. Every name here was made up for this project.

INSERT INTO [Advantages] ([Identifier], [ID], [Cost], [Page]) VALUES
  (1, 'Deep Reserves', '3/level', 'p. 14');

INSERT INTO [Disadvantages] ([Identifier], [ID], [Cost], [Page]) VALUES
  (1, 'Clouded Senses', '-5/level', 'p. 20');

INSERT INTO [AD-VARIANT] ([Identifier], [ID], [Sub-ID], [Page]) VALUES
  (1, 'Wisp-Touched Gift, Kindled', 'Kindled', 'p. 16'),
  (5, 'Wisp-Touched Gift, Blazing', 'Blazing', 'p. 17');

INSERT INTO [Super Advantages] ([Identifier], [ID], [Cost], [Page]) VALUES
  (1, 'Unbreakable Frame', '40', 'p. 30');

INSERT INTO [Super Powers] ([Identifier], [ID], [Skill Group], [Skill Type Identifier], [Power Cost], [Page]) VALUES
  (1, 'Rumblestride', 'FORCE', 5, '10/level', 'p. 40'),
  (2, 'Mirrorpace', 'FORCE, ATHLETIC', 6, '15/level', 'p. 41');
