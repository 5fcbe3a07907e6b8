-- Sample rows of B46. Every name here was made up for this project.

INSERT INTO [Advantages] ([Identifier], [ID], [Cost], [Page], [Sub-Table]) VALUES
  (3, 'Undertow Sense', '15/25/35', 'p. 9', 'AD-VARIANT');

INSERT INTO [AD-VARIANT] ([Identifier], [ID], [Sub-ID], [Page]) VALUES
  (1, 'Undertow Sense, Faint', 'Faint', 'p. 9'),
  (2, 'Undertow Sense, Clear', 'Clear', 'p. 9'),
  (3, 'Undertow Sense, Piercing', 'Piercing', 'p. 9');

INSERT INTO [Skills] ([Identifier], [ID], [Skill Group], [Skill Type Identifier], [Page]) VALUES
  (1, 'Eddy Shaping', 'FORCE', 6, 'p. 20'),
  (2, 'Eddy Warding', 'FORCE, CW-BLOCK', 5, 'p. 21');
