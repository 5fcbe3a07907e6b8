-- Sample rows of B30. Every name here was made up for this project.

INSERT INTO [AD-VARIANT] ([Identifier], [ID], [Sub-ID], [Page]) VALUES
  (1, 'Wisp-Touched Gift, Narrow', 'Narrow', 'p. 10'),
  (2, 'Wisp-Touched Gift, Wide', 'Wide', 'p. 10'),
  (6, 'Wisp-Touched Gift, Ember-Touched', 'Ember', 'p. 12'),
  (7, 'Wisp-Touched Gift, Rain-Touched', 'Rain', 'p. 12');
