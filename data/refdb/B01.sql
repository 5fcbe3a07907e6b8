-- Sample rows of the racial book (B01). Every name here was made up for this project.

INSERT INTO [Races] ([Identifier], [ID], [Cost], [Stereotype], [Page]) VALUES
  (1, 'Loamkin', '25', 'patient, earthy', 'p. 8');

INSERT INTO [Racial Advantages] ([Identifier], [ID], [Cost], [Page]) VALUES
  (10, 'Burrow-Born Knack', '5', 'p. 10'),
  (42, 'Great Girth', '10/level', 'p. 12'),
  (91, 'Stonebone Strength', '10/level', 'p. 15'),
  (95, 'Skill Modifier', '2/4/6', 'p. 16');

INSERT INTO [Racial Disadvantages] ([Identifier], [ID], [Cost], [Page]) VALUES
  (51, 'Skill Penalty', '-2/-4/-6', 'p. 19'),
  (52, 'Sun-Dazzled', '-10', 'p. 20');
